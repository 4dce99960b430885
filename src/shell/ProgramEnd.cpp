#include "ProgramEnd.h"

#include <QCoreApplication>

namespace shell {

namespace {
bool ending = false;

std::function<void()>& handler() {
    static std::function<void()> instance;
    return instance;
}
} // namespace

void endProgram() {
    ending = true;
    if (handler())
        handler()();
    else
        QCoreApplication::exit(0);
}

bool programEnding() {
    return ending;
}

void setProgramEndHandler(std::function<void()> h) {
    ending = false;
    handler() = std::move(h);
}

} // namespace shell
