#include "startup/program.h"

#include <string>

#include "resources/texts.h"

namespace dv {

Program::Program(Platform& platform)
    : host(platform), frmSplash(*this), frmNight(*this), frmSet(*this) {}

void Program::Start() {
    frmSplash.Load();
    frmSplash.Show();
}

void OpenHomePage(Platform& host) {
    host.DoEvents();
    std::string commandLine = text::kBrowser;
    commandLine += "  ";
    commandLine += text::kHomePage;
    host.Shell(commandLine, 1);  // a browser that does not start is not reported
}

}  // namespace dv
