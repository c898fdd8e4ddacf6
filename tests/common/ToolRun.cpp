#include "common/ToolRun.h"

#include <QProcess>

QString runTool(const QStringList& args)
{
    QProcess p;
    p.start(args.first(), args.mid(1));
    if (!p.waitForFinished(30000))
        p.kill();
    return QString::fromUtf8(p.readAllStandardOutput());
}
