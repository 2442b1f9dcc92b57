#include "instrument/control.h"

namespace {

using enum ControlKind;

// In the order of the Control enumeration.
constexpr std::array<ControlEntry, kControlCount> kControls{{
    {"Ondix15", Window},     {"Picture1", View},      {"Frame1", Frame},
    {"Frame2", Frame},       {"Frame3", Frame},       {"Frame4", Frame},
    {"Frame5", Frame},       {"Frame6", Frame},       {"Frame7", Frame},
    {"Command1", Button},    {"Command2", Button},    {"Command3", Button},
    {"Command4", Button},    {"Command5", Button},    {"Command6", Button},
    {"Command7", Button},    {"Command8", Button},    {"Command9", Button},
    {"Command10", Button},   {"Command11", Button},   {"Command12", Button},
    {"Command13", Button},   {"Command14", Button},   {"Label1", Label},
    {"Label2", Label},       {"Label3", Label},       {"Label4", Label},
    {"Label5", Label},       {"Label6", Label},       {"Label7", Label},
    {"Label8", Label},       {"Label9", Label},       {"Label10", Label},
    {"Label11", Label},      {"Label12", Label},      {"Label13", Label},
    {"Label14", Label},      {"Text1", TextBox},      {"Text2", TextBox},
    {"Text3", TextBox},      {"Text4", TextBox},      {"Text5", TextBox},
    {"HScroll1", ScrollBar}, {"HScroll2", ScrollBar}, {"HScroll3", ScrollBar},
    {"Option1", Option},     {"Option2", Option},     {"KeyboardPointer", Pointer},
    {"Command15", Button},   {"Command16", Button},   {"Command17", Button},
    {"Command18", Button},   {"Command19", Button},
}};

} // namespace

const ControlEntry& controlEntry(Control control) {
    return kControls[static_cast<std::size_t>(control)];
}
