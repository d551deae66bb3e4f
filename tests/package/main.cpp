// Creates an error record, formats it and prints it: what a host does first.
#include <iostream>

#include "errors/ErrorItem.h"
#include "platform/text/WideString.h"

int main() {
    zv::ErrorItem item;
    item.Init(L"The panel did not answer.", zv::errCritical, 1001, L"Timed out after 5 s",
              L"Check the network cable.");
    std::cout << zv::ToUtf8(item.FormatMsg(L" | ", L" | ")) << '\n';
    return item.HasWarningsOrWorse() ? 0 : 1;
}
