// The probes' copy of the main window's control ids (tests/win32/probe/control_ids.h) held to the
// window's own at compile time, so that the programs that use the copy cannot drift from it.
#include "win32/main_window.h"
#include "win32/probe/control_ids.h"

namespace probe = kakipo::probe;
namespace shell = kakipo::win32;

static_assert(probe::ids::memo1 == shell::ids::memo1);
static_assert(probe::ids::memoUra == shell::ids::memoUra);
static_assert(probe::ids::coolBar == shell::ids::coolBar);
static_assert(probe::ids::toolBar == shell::ids::toolBar);
static_assert(probe::ids::comboBox == shell::ids::comboBox);
static_assert(probe::ids::statusBar == shell::ids::statusBar);
static_assert(probe::ids::firstButton == shell::ids::firstButton);
static_assert(probe::ids::firstPopup == shell::ids::firstPopup);
static_assert(probe::ids::firstHistory == shell::ids::firstHistory);
static_assert(probe::button::tbtnNew == shell::tbtnNew && probe::button::tbtnOpen == shell::tbtnOpen &&
              probe::button::tbtnSave == shell::tbtnSave && probe::button::tbtnUwagaki == shell::tbtnUwagaki &&
              probe::button::tbtnFont == shell::tbtnFont && probe::button::tbtnJikFon == shell::tbtnJikFon &&
              probe::button::tbtnWrap == shell::tbtnWrap && probe::button::tbtnFind == shell::tbtnFind &&
              probe::button::tbtnTikan == shell::tbtnTikan && probe::button::tbtnVajHel == shell::tbtnVajHel);
static_assert(probe::button::count == shell::tbtnVajHel + 1);
