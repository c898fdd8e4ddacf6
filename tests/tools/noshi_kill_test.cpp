// Kill test: each writer saves over and over in a child process that is
// killed at a random moment; the file left behind must be wholly one save,
// the last one finished or the one under way, never a mix or a torn file.
//   noshi_kill_test [--rounds N] [--max-delay-ms D] [--seed S] [--writers a,b,...]
// A writer is a row of the table below: how to save generation N into a
// folder, and how to tell which generation a file holds (or that it holds
// none cleanly). Exit status 0 when every round passed.
#include "model/DataFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/richtext/Rtf.h"
#include "platform/settings/SettingsStore.h"
#include "platform/text/Cp932.h"
#include "preview/lists/FileListStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

// The generation a file holds, or a description of what is wrong with it.
struct Found {
    std::optional<qint64> generation;
    QString problem;
};

Found bad(const QString& why) { return Found{std::nullopt, why}; }

// All parts of one save carry the same generation; a mix is a torn file.
Found sameGeneration(const QStringList& parts)
{
    std::optional<qint64> g;
    for (const QString& p : parts) {
        bool ok = false;
        const qint64 v = p.section(u'#', 1, 1).toLongLong(&ok);
        if (!ok)
            return bad(QStringLiteral("part without a generation: ") + p);
        if (g && *g != v)
            return bad(QStringLiteral("generations %1 and %2 mixed").arg(*g).arg(v));
        g = v;
    }
    if (!g)
        return bad(QStringLiteral("no parts"));
    return Found{g, {}};
}

struct Writer {
    const char* name;
    std::function<bool(const QString& folder, qint64 gen)> save;
    std::function<Found(const QString& folder)> check;
};

constexpr int Parts = 30;

QString dataPath(const QString& folder) { return folder + QStringLiteral("/") + app::DataFileName; }
QString labelPath(const QString& folder) { return folder + QStringLiteral("/label.rtf"); }
QString listPath(const QString& folder) { return folder + QStringLiteral("/nd1File.db"); }

const Writer writers[] = {
    {"settings",
     [](const QString&, qint64 gen) {
         // Thirty keys at once, as the main window saves at exit.
         QList<settings::Setting> all;
         for (int i = 0; i < Parts; ++i)
             all.append({QStringLiteral("Key%1").arg(i), QStringLiteral("value#%1#").arg(gen)});
         return settings::SaveSettings(all);
     },
     [](const QString&) {
         settings::reload();
         if (!settings::loadProblem().isEmpty())
             return bad(settings::loadProblem());
         QStringList parts;
         for (int i = 0; i < Parts; ++i)
             parts << settings::GetSetting(QStringLiteral("Key%1").arg(i), QStringLiteral("missing"));
         return sameGeneration(parts);
     }},
    {"datafile",
     [](const QString& folder, qint64 gen) {
         app::LiveStore s;
         for (int i = 0; i < Parts; ++i) {
             app::RegisteredSize z;
             for (int st = 0; st < app::NameStyleCount; ++st) {
                 z.RegSizeTemplate[size_t(st)] = QStringLiteral("Ａ４判　　　　");
                 z.RegSizeName[size_t(st)] = QStringLiteral("サイズ#%1#%2").arg(gen).arg(i);
             }
             s.addSize(z);
         }
         return app::WriteDataFile(s, dataPath(folder)).ok;
     },
     [](const QString& folder) {
         app::LiveStore s;
         const app::DataFileResult r = app::ReadDataFile(s, dataPath(folder));
         if (!r.ok || r.missing)
             return bad(r.missing ? QStringLiteral("file missing") : r.problem);
         if (s.RegSizeCount() != Parts)
             return bad(QStringLiteral("%1 sizes").arg(s.RegSizeCount()));
         QStringList parts;
         for (int i = 0; i < Parts; ++i)
             for (const QString& n : s.size(i).RegSizeName)
                 parts << n;
         return sameGeneration(parts);
     }},
    {"label",
     [](const QString& folder, qint64 gen) {
         rt::RichTextBox box;
         QString text;
         for (int i = 0; i < Parts * 20; ++i)
             text += QStringLiteral("寿#%1#\n").arg(gen);
         box.setSelText(text);
         return box.saveFile(labelPath(folder));
     },
     [](const QString& folder) {
         QFile f(labelPath(folder));
         if (!f.open(QIODevice::ReadOnly))
             return bad(QStringLiteral("file missing"));
         rt::RichDocument doc;
         QString error;
         if (!rt::readRtf(f.readAll(), doc, &error))
             return bad(error);
         QStringList lines;
         for (const rt::Paragraph& p : doc.paragraphs) {
             QString line;
             for (const rt::Inline& i : p.items)
                 line += i.text;
             if (!line.isEmpty())
                 lines << line;
         }
         if (lines.size() != Parts * 20)
             return bad(QStringLiteral("%1 lines").arg(lines.size()));
         return sameGeneration(lines);
     }},
    {"filelist",
     [](const QString& folder, qint64 gen) {
         // Thirty saved parts whose paper names the generation; the list
         // rebuilt from them and compacted, as the rebuild command does.
         QDir parts(folder + QStringLiteral("/parts"));
         parts.removeRecursively();
         if (!parts.mkpath(QStringLiteral(".")))
             return false;
         const QByteArray side = cp932::encode(QStringLiteral("萌黄（祝大）　\r\n大のし#%1#\r\n").arg(gen));
         for (int i = 0; i < Parts; ++i) {
             QFile part(parts.filePath(QStringLiteral("贈答%1.nd1").arg(i)));
             QFile sideFile(parts.filePath(QStringLiteral("贈答%1.ndb").arg(i)));
             if (!part.open(QIODevice::WriteOnly) || !sideFile.open(QIODevice::WriteOnly) || sideFile.write(side) != side.size())
                 return false;
         }
         preview::FileListStore store(listPath(folder), preview::OmoteFileListKind());
         return store.OpenFileListStore() != preview::FileListStore::OpenResult::Damaged &&
                store.replaceWithFolder(parts.path()) == Parts && store.CompactDataBase();
     },
     [](const QString& folder) {
         preview::FileListStore store(listPath(folder), preview::OmoteFileListKind());
         if (store.OpenFileListStore() == preview::FileListStore::OpenResult::Damaged)
             return bad(store.error());
         const QList<preview::FileListRow> rows = store.OpenFileList();
         if (rows.size() != Parts)
             return bad(QStringLiteral("%1 rows").arg(rows.size()));
         QStringList parts;
         for (const preview::FileListRow& r : rows)
             parts << r.sizeName;
         return sameGeneration(parts);
     }},
};

const Writer* writerNamed(const QString& name)
{
    for (const Writer& w : writers)
        if (name == QLatin1String(w.name))
            return &w;
    return nullptr;
}

// The child: saves generation 1, 2, 3, ... until killed, printing each
// generation once its save has returned.
int runChild(const Writer& w, const QString& folder)
{
    for (qint64 gen = 1;; ++gen) {
        if (!w.save(folder, gen)) {
            std::fprintf(stderr, "save %lld failed\n", qlonglong(gen));
            return 3;
        }
        std::printf("saved %lld\n", qlonglong(gen));
        std::fflush(stdout);
    }
}

// Saves one generation and ends as a program does when nothing goes wrong.
int runCleanChild(const Writer& w, const QString& folder, qint64 gen)
{
    return w.save(folder, gen) ? 0 : 3;
}

// Temporary files of safe saves anywhere under the folder: after a clean
// save none may be left, not even those of the killed writers before it.
QStringList litter(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName().startsWith(u'.') && it.fileName().contains(QStringLiteral(".tmp-")))
            found << QDir(folder).relativeFilePath(path);
    }
    return found;
}

// The last generation the child reported as saved (0 if none).
qint64 lastSaved(const QByteArray& out)
{
    qint64 last = 0;
    for (const QByteArray& line : out.split('\n'))
        if (line.startsWith("saved "))
            last = line.mid(6).toLongLong();
    return last;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("--child")) {
        const Writer* w = writerNamed(args[2]);
        return w ? runChild(*w, args[3]) : 2;
    }
    if (args.size() == 5 && args[1] == QLatin1String("--clean-child")) {
        const Writer* w = writerNamed(args[2]);
        return w ? runCleanChild(*w, args[3], args[4].toLongLong()) : 2;
    }

    int rounds = 20;
    int maxDelayMs = 40;
    quint32 seed = QRandomGenerator::system()->generate();
    QStringList names;
    for (const Writer& w : writers)
        names << QLatin1String(w.name);
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--max-delay-ms"))
            maxDelayMs = qMax(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toUInt();
        else if (args[i] == QLatin1String("--writers"))
            names = args[i + 1].split(u',');
    }
    std::printf("seed %u\n", seed);
    QRandomGenerator rng(seed);
    int failures = 0;
    for (const QString& name : names) {
        const Writer* w = writerNamed(name);
        if (!w) {
            std::fprintf(stderr, "no writer named %s\n", qPrintable(name));
            return 2;
        }
        QTemporaryDir home;
        // The child's settings and data live in this run's own folder.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
        qint64 saves = 0;
        for (int r = 0; r < rounds; ++r) {
            QProcess child;
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::SeparateChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--child"), name, home.path()});
            if (!child.waitForStarted()) {
                std::fprintf(stderr, "cannot start the child\n");
                return 2;
            }
            // Let it finish its first save (so there is an old file), then
            // kill it a random moment later, somewhere inside a later save.
            QByteArray out;
            while (lastSaved(out) < 1 && child.state() == QProcess::Running) {
                child.waitForReadyRead(1000);
                out += child.readAllStandardOutput();
            }
            QThread::usleep(rng.bounded(maxDelayMs * 1000));
            child.kill();
            child.waitForFinished();
            out += child.readAllStandardOutput();
            const qint64 last = lastSaved(out);
            saves += last;
            const Found found = w->check(home.path());
            const bool whole = found.generation && (*found.generation == last || *found.generation == last + 1);
            if (!whole) {
                ++failures;
                std::fprintf(stderr, "%s round %d: last saved %lld, file: %s%s\n", w->name, r, qlonglong(last),
                             found.generation ? qPrintable(QStringLiteral("generation %1").arg(*found.generation))
                                              : qPrintable(found.problem),
                             qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));
            }
        }
        // A last save that ends cleanly: its file whole, and no temporary
        // file left of it or of the killed saves before it.
        constexpr qint64 LastGeneration = 1000000;
        QProcess clean;
        clean.setProcessEnvironment(env);
        clean.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--clean-child"), name, home.path(), QString::number(LastGeneration)});
        const bool cleanSaved = clean.waitForFinished(30000) && clean.exitStatus() == QProcess::NormalExit
                                && clean.exitCode() == 0;
        const Found last = w->check(home.path());
        const QStringList left = litter(home.path());
        if (!cleanSaved || last.generation != LastGeneration || !left.isEmpty()) {
            ++failures;
            std::fprintf(stderr, "%s clean save: %s, file: %s, left behind: %s\n", w->name,
                         cleanSaved ? "finished" : "failed",
                         last.generation ? qPrintable(QStringLiteral("generation %1").arg(*last.generation))
                                         : qPrintable(last.problem),
                         left.isEmpty() ? "nothing" : qPrintable(left.join(QStringLiteral(", "))));
        }
        std::printf("%s: %d kills, %lld saves finished, %s\n", w->name, rounds, qlonglong(saves),
                    failures ? "FAILED" : "every file whole, no litter after a clean save");
    }
    return failures ? 1 : 0;
}
