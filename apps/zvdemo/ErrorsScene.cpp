// Error records at work: how an operation reports its outcome in an ErrorItem,
// how records are formatted, and how collections gather, merge and copy them.

#include <string>

#include "Scenes.h"
#include "errors/ErrorItem.h"
#include "errors/ErrorItems.h"
#include "platform/automation/DateTime.h"

namespace zvdemo {

namespace {

const wchar_t* TypeName(zv::errorLogIcon type) {
    switch (type) {
        case zv::errNoIcon:
            return L"no icon";
        case zv::errInformation:
            return L"information";
        case zv::errWarning:
            return L"warning";
        case zv::errCritical:
            return L"critical";
        case zv::errFatal:
            return L"fatal";
        case zv::errSuccess:
            return L"success";
        case zv::errQuestion:
            return L"question";
        case zv::errCancelled:
            return L"cancelled";
        case zv::errCompleted:
            return L"completed";
    }
    return L"unnamed type";
}

void ShowRecord(SceneLog& log, const std::wstring& label, const zv::ErrorItem& item) {
    log.Value(label, std::wstring(L"[") + TypeName(item.ErrorType()) + L"] " + item.FormatMsg());
}

void ShowCollection(SceneLog& log, const std::wstring& label, const zv::ErrorItems& items) {
    log.Line(label + L": " + std::to_wstring(items.Count()) + L" record(s)" +
             (items.ContainsDefaultErrorOnly() ? L", default item only" : L"") +
             (items.HasWarningsOrWorse() ? L", has warnings or worse" : L"") +
             (items.HasMsgs() ? L", has messages" : L""));
    int position = 1;
    for (const auto& item : items) {
        ShowRecord(log, L"  " + std::to_wstring(position++), *item);
    }
}

// What a connect routine of a host would hand back when the port is taken.
zv::ErrorItem ConnectToProcessor() {
    zv::ErrorItem result;
    result.Init(L"Port closed.", zv::errCritical, 5, L"Access denied",
                L"Close the program that uses COM3, then connect again.", L"Control processor");
    result.SetApplicationContext(L"Connect");
    result.SetTimeStamp(zv::MakeDate(2026, 12, 5, 15, 4, 5));
    return result;
}

void ShowRecords(SceneLog& log) {
    log.Heading(L"A record states the outcome of one operation");
    const zv::ErrorItem fresh;
    ShowRecord(log, L"new record", fresh);
    log.Value(L"  has a message of its own", fresh.HasMsg(false, false) ? L"yes" : L"no");

    zv::ErrorItem connect = ConnectToProcessor();
    ShowRecord(log, L"failed connect", connect);
    log.Value(L"  without instructions", connect.FormatMsg({}, {}, true, true, false));
    log.Value(L"  details only", connect.FormatMsg({}, {}, false, true, false));
    log.Value(L"  one line for a status bar", connect.FormatMsg(L" - ", L" => "));
    log.Value(L"  name, context", connect.DisplayName() + L", " + connect.ApplicationContext());
    log.Value(L"  time stamp", zv::FormatGeneralDate(connect.TimeStamp()));
    log.Value(L"  message box style", std::to_wstring(connect.ErrorTypeAsMsgBoxStyle()));

    connect.ReInit(L"Upload failed.");
    ShowRecord(log, L"after ReInit(\"Upload failed.\")", connect);

    zv::ErrorItem cancelled;
    cancelled.Init(L"", zv::errCancelled);
    ShowRecord(log, L"cancelled, no message", cancelled);
    log.Value(L"  Clone keeps the message empty",
              cancelled.Clone()->HasMsg(false, false) ? L"no" : L"yes");
    zv::ErrorItem copy;
    copy.CloneFrom(cancelled);
    log.Value(L"  CloneFrom fills it in", copy.HasMsg(false, false) ? L"yes" : L"no");
}

zv::ErrorItems VerifyDevices() {
    zv::ErrorItems results;
    results.SetApplicationContext(L"Verify");
    zv::ErrorItem record;
    record.Init(L"Touch panel 03 answers with an older firmware.", zv::errWarning, 0, {},
                L"Update the firmware before the next upload.", L"TP-03");
    results.Add(record);
    record.Init(L"Keypad 12 does not answer.", zv::errCritical, 1460, L"Timed out after 5 s", {},
                L"KP-12");
    results.Add(record);
    return results;
}

void ShowCollections(SceneLog& log) {
    log.Heading(L"A collection gathers the outcomes of a whole job");
    zv::ErrorItems upload;
    ShowCollection(log, L"new collection", upload);

    upload.SetDefaultMessage(L"The upload did not start.");
    upload.Reset(true);
    ShowCollection(log, L"after Reset(true)", upload);

    upload.Reset();
    upload.SetApplicationContext(L"Upload");
    zv::ErrorItem done;
    done.Init(L"Program sent to the control processor.", zv::errInformation, 0, {}, {},
              L"Control processor");
    upload.Add(done);
    ShowCollection(log, L"after the first Add (the default item is replaced)", upload);

    const zv::ErrorItems verify = VerifyDevices();
    ShowCollection(log, L"verification results", verify);

    upload.AddItems(verify);
    ShowCollection(log, L"upload after AddItems(verification)", upload);
    log.Value(L"  contexts",
              upload.Item(1)->ApplicationContext() + L", " + upload.Item(2)->ApplicationContext());

    zv::ErrorItems quiet;
    zv::ErrorItem fine;
    fine.Init(L"All devices answered.", zv::errSuccess);
    quiet.Add(fine);
    upload.AddItems(quiet);
    log.Value(L"AddItems of successes only", L"count stays " + std::to_wstring(upload.Count()));

    const auto copy = upload.Clone();
    copy->Item(1)->SetMessage(L"Changed in the copy.");
    ShowRecord(log, L"original record 1 after changing the clone", *upload.Item(1));

    upload.SetItems(verify);
    ShowCollection(log, L"after SetItems(verification)", upload);
}

}  // namespace

void RunErrorsScene(SceneLog& log) {
    ShowRecords(log);
    ShowCollections(log);
}

}  // namespace zvdemo
