#include "startup/program.h"

namespace dv {

Program::Program(Platform& platform)
    : host(platform), frmSplash(*this), frmNight(*this), frmSet(*this) {}

void Program::Start() {
    frmSplash.Load();
    frmSplash.Show();
}

}  // namespace dv
