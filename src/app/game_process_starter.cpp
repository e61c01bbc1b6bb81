#include "app/game_process_starter.h"

#include <QProcess>

#include "platform/qt/binding.h"

namespace brisko {

bool GameProcessStarter::startDetachedWithEnvironment(const std::string& program,
                                                      const std::vector<std::string>& args,
                                                      const std::string& workingDir,
                                                      const std::vector<std::string>& environment) {
    QProcess process;
    process.setProgram(qt::fromBytes(program));
    QStringList list;
    for (const std::string& arg : args) list << qt::fromBytes(arg);
    process.setArguments(list);
    process.setWorkingDirectory(qt::fromBytes(workingDir));
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const std::string& variable : environment) {
        const auto equals = variable.find('=');
        variables.insert(qt::fromBytes(variable.substr(0, equals)),
                         qt::fromBytes(variable.substr(equals + 1)));
    }
    process.setProcessEnvironment(variables);
    return process.startDetached();
}

}  // namespace brisko
