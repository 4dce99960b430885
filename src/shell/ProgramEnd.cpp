#include "ProgramEnd.h"

#include <QCoreApplication>

namespace shell {

namespace {
bool ending = false;
int exitCode = 0;

std::function<void()>& handler() {
    static std::function<void()> instance;
    return instance;
}
} // namespace

void endProgram(int code) {
    ending = true;
    exitCode = code;
    if (handler())
        handler()();
    else
        QCoreApplication::exit(code);
}

int programExitCode() {
    return exitCode;
}

bool programEnding() {
    return ending;
}

void setProgramEndHandler(std::function<void()> h) {
    ending = false;
    exitCode = 0;
    handler() = std::move(h);
}

} // namespace shell
