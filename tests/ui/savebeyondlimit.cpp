// The program started as main() starts it, with SIGXFSZ at its default as a shell leaves it;
// once the main window shows, "Spara system" saves to the file named on the command line under
// a file-size limit of 64 bytes. Writes the error messages shown, one a line, to standard
// output and ends the program. The window tests start it as a child process: a write beyond
// the limit that the start did not prepare for ends it by SIGXFSZ.

#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <csignal>
#include <cstdio>

#include "app/program.h"
#include "core/ui/huvf.h"
#include "platform/ui/dialogs.h"

namespace {

void SaveUnderTheLimit(const QString& path)
{
    TestDialogs().Reset();
    TestDialogs().fileNames = {path};
    TestDialogs().answers = {true};  // replace the file that is there
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &limited);
    V65x->Button9->click();
    setrlimit(RLIMIT_FSIZE, &before);
    for (const QString& error : TestDialogs().errors)
        std::printf("%s\n", error.toUtf8().constData());
    QApplication::exit(0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    std::signal(SIGXFSZ, SIG_DFL);
    return RunProgram(argc, argv, [path] { SaveUnderTheLimit(path); });
}
