#include "forms/contact_link.h"

#include <string>

#include "resources/texts.h"

namespace dv {

void OpenHomePage(Platform& host) {
    host.DoEvents();
    std::string commandLine = text::kBrowser;
    commandLine += "  ";
    commandLine += text::kHomePage;
    host.Shell(commandLine, 1);  // a browser that does not start is not reported
}

}  // namespace dv
