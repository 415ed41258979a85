#include "tests/geometry/message_box_recorder.h"

std::vector<RecordedMessageBox>& RecordedMessageBoxes() {
    static std::vector<RecordedMessageBox> boxes;
    return boxes;
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    RecordedMessageBoxes().push_back(
        {owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}
