#include "CommandLine.h"

namespace vozavero {

CommandLine CommandLine::fromArguments(const QStringList& arguments) {
    return CommandLine(arguments.mid(1).join(u' '));
}

} // namespace vozavero
