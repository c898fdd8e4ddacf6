// A private CUPS server for the tests: its own folders in a temporary
// directory, listening on a free loopback port, with a PDF queue whose
// device is a file. The system's CUPS set-up is never read or changed.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class CupsTestServer {
public:
    // Starts cupsd; nullptr when it cannot run here at all, with the reason.
    static std::unique_ptr<CupsTestServer> start(QString* whyNot);
    ~CupsTestServer(); // stops cupsd

    QString address() const; // "127.0.0.1:<port>"
    // Adds a PDF queue writing to outputPath(); false with the lpadmin output.
    // imageableA4: the A4 printable area the queue's PPD declares, as
    // "left bottom right top" in points; empty keeps the whole page printable.
    bool addPdfQueue(const QString& name, QString* error, const QByteArray& imageableA4 = {});
    // Makes the queue refuse new jobs with that reason (cupsreject).
    bool rejectJobs(const QString& name, const QString& reason, QString* error);
    bool removeQueue(const QString& name, QString* error);
    QString outputPath() const { return dir_.path() + "/out/noshi.pdf"; }
    // Waits until no job is pending and the output file is there.
    bool waitForOutput(int timeoutMs);
    QString errorLog() const;

private:
    CupsTestServer() = default;
    bool run(const QStringList& args, QString* output, int timeoutMs = 20000) const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    int port_ = 0;
};
