#include "common/CupsTestServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <csignal>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

int freeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

bool accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace

std::unique_ptr<CupsTestServer> CupsTestServer::start(QString* whyNot)
{
    const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
    if (cupsd.isEmpty()) {
        *whyNot = "cupsd is not installed";
        return nullptr;
    }
    if (::geteuid() != 0) {
        *whyNot = "cupsd needs root to run its filters and file device";
        return nullptr;
    }
    std::unique_ptr<CupsTestServer> s(new CupsTestServer);
    if (!s->dir_.isValid() || (s->port_ = freeLoopbackPort()) == 0) {
        *whyNot = "no temporary folder or loopback port";
        return nullptr;
    }
    const QString d = s->dir_.path();
    // Filters run as the lp user: the folders they reach must be open to it.
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                 | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                 | QFileDevice::ExeOther);
    for (const char* sub : {"etc", "spool", "cache", "state", "tmp", "log", "out"})
        QDir(d).mkpath(sub);
    for (const char* open : {"tmp", "out"})
        QFile::setPermissions(d + "/" + open, QFileDevice::Permissions(0x7777));
    const QByteArray conf = QStringLiteral(
        "Listen 127.0.0.1:%1\nLogLevel info\nBrowsing No\nBrowseLocalProtocols none\nWebInterface No\n"
        "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n").arg(s->port_).toUtf8();
    const QByteArray files = QStringLiteral(
        "ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\nTempDir %1/tmp\n"
        "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
        "Printcap %1/state/printcap\nFileDevice Yes\n").arg(d).toUtf8();
    if (!writeFile(d + "/etc/cupsd.conf", conf) || !writeFile(d + "/etc/cups-files.conf", files)) {
        *whyNot = "cannot write the server's configuration";
        return nullptr;
    }
    s->cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    // A test that dies takes its cupsd with it.
    s->cupsd_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    s->cupsd_.start(cupsd, {"-f", "-c", d + "/etc/cupsd.conf", "-s", d + "/etc/cups-files.conf"});
    if (!s->cupsd_.waitForStarted(5000)) {
        *whyNot = "cupsd did not start: " + s->cupsd_.errorString();
        return nullptr;
    }
    QDeadlineTimer deadline(15000);
    while (!accepts(s->port_)) {
        if (deadline.hasExpired() || s->cupsd_.state() != QProcess::Running) {
            *whyNot = "cupsd did not come up: " + QString::fromLocal8Bit(s->cupsd_.readAll()) + s->errorLog();
            return nullptr;
        }
        QThread::msleep(50);
    }
    return s;
}

CupsTestServer::~CupsTestServer()
{
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(5000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(2000);
    }
}

QString CupsTestServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

QString CupsTestServer::errorLog() const
{
    QFile f(dir_.path() + "/log/error_log");
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll().right(4000)) : QString();
}

bool CupsTestServer::run(const QStringList& args, QString* output, int timeoutMs) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(args.first(), args.mid(1));
    const bool done = p.waitForStarted(5000) && p.waitForFinished(timeoutMs);
    if (!done)
        p.kill();
    if (output)
        *output = QString::fromLocal8Bit(p.readAll());
    return done && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool CupsTestServer::addPdfQueue(const QString& name, QString* error, const QByteArray& imageableA4)
{
    // The cups-pdf driver's paper list, with the PDF passed through to the
    // file unchanged instead of going through PostScript.
    QFile in(CupsPdfPpd);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(CupsPdfPpd);
        return false;
    }
    QByteArray ppd = in.readAll();
    const int at = ppd.indexOf("*PCFileName:");
    if (at < 0) {
        *error = "unexpected PPD";
        return false;
    }
    ppd.insert(at, "*cupsFilter: \"application/pdf 0 gziptoany\"\n");
    if (!imageableA4.isEmpty()) {
        ppd.replace("*ImageableArea A4/A4: \"0 0 595 842\"", "*ImageableArea A4/A4: \"" + imageableA4 + "\"");
        ppd.replace("*HWMargins: 0 0 0 0", "");
    }
    const QString ppdPath = dir_.path() + "/" + name + ".ppd";
    if (!writeFile(ppdPath, ppd)) {
        *error = "cannot write the PPD";
        return false;
    }
    return run({"lpadmin", "-h", address(), "-p", name, "-E", "-v", "file://" + outputPath(), "-P", ppdPath}, error);
}

bool CupsTestServer::rejectJobs(const QString& name, const QString& reason, QString* error)
{
    return run({"cupsreject", "-h", address(), "-r", reason, name}, error);
}

bool CupsTestServer::removeQueue(const QString& name, QString* error)
{
    return run({"lpadmin", "-h", address(), "-x", name}, error);
}

bool CupsTestServer::waitForOutput(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QString pending;
        if (run({"lpstat", "-h", address(), "-W", "not-completed", "-o"}, &pending, 5000) && pending.trimmed().isEmpty()
            && QFileInfo(outputPath()).size() > 0)
            return true;
        QThread::msleep(100);
    }
    return false;
}
