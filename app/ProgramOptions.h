#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line: farrowdale [--server NAME] [--connect] [--demo] [--help] [--version]
struct ProgramOptions {
    std::optional<QString> server;
    // Press "Connect to Server" once the window is shown.
    bool connect = false;
    // Set with server "sim:demo" and connect, whatever the other options say.
    bool demo = false;
    bool help = false;
    bool version = false;
    QString error; // set when the line cannot be understood
};

ProgramOptions parseProgramOptions(const QStringList& arguments);
QString programUsage();
