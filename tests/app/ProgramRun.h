// The tagomat program run as a person runs it, as a child process; the test
// defines TAGOMAT_PATH.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

struct ProgramRun {
    int status = -1; // -1 when it did not end of itself in time
    QString out;
    QString err;
};

// The environment of a machine without any display.
inline QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    return environment;
}

inline ProgramRun runProgram(const QStringList &arguments,
                             const QProcessEnvironment &environment = withoutDisplay()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAGOMAT_PATH), arguments);
    ProgramRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// What the program writes to its standard error when that is a terminal (a
// pseudo-terminal here), its standard output set aside.
inline QByteArray terminalOfProgram(const QStringList &arguments) {
    QList<QByteArray> words{QByteArrayLiteral(TAGOMAT_PATH)};
    for (const QString &argument : arguments)
        words << QFile::encodeName(argument);
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child < 0)
        return {};
    if (child == 0) {
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    QByteArray seen;
    char buffer[4096];
    // Ends when the child has closed the terminal.
    for (ssize_t got = 0; (got = read(terminal, buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            seen.append(buffer, got);
        else if (errno != EINTR)
            break;
    }
    close(terminal);
    waitpid(child, nullptr, 0);
    return seen;
}
