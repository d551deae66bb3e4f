#pragma once

#include <span>
#include <string>

#include "SceneLog.h"

namespace zvdemo {

// One capability of the library shown end to end.
struct Scene {
    const wchar_t* Name;
    const wchar_t* Summary;
    void (*Run)(SceneLog& log);
};

// Every scene, in the order in which a run without options shows them.
std::span<const Scene> AllScenes();

// The scene of that name (compared without regard to case), or nullptr.
const Scene* FindScene(const std::wstring& name);

void RunDevicesScene(SceneLog& log);
void RunDrawingScene(SceneLog& log);
void RunErrorsScene(SceneLog& log);
void RunFormsScene(SceneLog& log);
void RunHooksScene(SceneLog& log);
void RunQuestionsScene(SceneLog& log);
void RunUtilitiesScene(SceneLog& log);
void RunWindowPlumbingScene(SceneLog& log);

}  // namespace zvdemo
