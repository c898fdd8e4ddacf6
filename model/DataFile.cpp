#include "model/DataFile.h"

#include "platform/files/SafeFile.h"
#include "platform/paths/AppPaths.h"
#include "platform/text/Cp932.h"
#include "platform/run/RunState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>

namespace app {

namespace {

struct FolderOverride {
    QString folder;
};

QString& folderOverride() { return run::slot<FolderOverride>().folder; }

const QString OldB5StripKey = QStringLiteral("短冊シートＢ５");
const QString B5StripKey = QStringLiteral("短冊Ｂ５／５Ｐ");

// A key with stray trailing half-width blanks (an edited file) would match
// no layout; it is stored as the seven characters it stands for.
QString normalisedKey(const QString& key)
{
    QString k = key;
    while (k.endsWith(u' '))
        k.chop(1);
    if (k.size() == key.size())
        return key;
    while (k.size() < 7)
        k.append(QChar(0x3000));
    return k;
}

QString numberText(int v)
{
    // The layout older readers expect: sign position (blank or minus), digits, blank.
    return v < 0 ? QStringLiteral("-%1 ").arg(-qint64(v)) : QStringLiteral(" %1 ").arg(v);
}

// Walks the raw lines of the file, decoding each one on its own so that one
// bad byte costs one value, and collects what was wrong.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes)
    {
        qsizetype start = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' || bytes[i] == '\n') {
                lines_.append(bytes.mid(start, i - start));
                if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
                start = i + 1;
            }
        }
        if (start < bytes.size())
            lines_.append(bytes.mid(start));
    }

    std::optional<QString> text()
    {
        if (pos_ >= lines_.size()) {
            if (!endReported_)
                note(QStringLiteral("ファイルが途中で終わっています（%1行目）。").arg(pos_ + 1));
            endReported_ = true;
            return std::nullopt;
        }
        const int lineNo = int(pos_) + 1;
        cp932::Error err;
        QString t = cp932::decode(lines_[pos_++], &err);
        if (err.failed) {
            note(QStringLiteral("%1行目に読めない文字があります。").arg(lineNo));
            return QString();
        }
        return t;
    }

    // A number line; 0 for a line without a number (reported).
    std::optional<int> number()
    {
        const int lineNo = int(pos_) + 1;
        auto t = text();
        if (!t)
            return std::nullopt;
        static const QRegularExpression re(QStringLiteral("^[ \\t\\x{3000}]*([+-]?\\d{1,6})[ \\t\\x{3000}]*$"));
        const auto m = re.match(*t);
        bool ok = false;
        const int v = m.hasMatch() ? m.captured(1).toInt(&ok) : 0;
        if (!ok || v < -32768 || v > 32767) {
            note(QStringLiteral("%1行目は数値ではありません。").arg(lineNo));
            return 0;
        }
        return v;
    }

    int count(int capacity, const QString& what)
    {
        const auto n = number();
        if (!n)
            return 0;
        if (*n < 0) {
            note(QStringLiteral("%1の件数が正しくありません。").arg(what));
            return 0;
        }
        if (*n > capacity) {
            note(QStringLiteral("%1が%2件を超えています。%2件まで読み込みました。").arg(what).arg(capacity));
            return capacity;
        }
        return *n;
    }

    void note(const QString& p)
    {
        if (problems_.size() < 5)
            problems_.append(p);
        damaged_ = true;
    }
    bool damaged() const { return damaged_; }
    QString problems() const { return problems_.join(QLatin1Char('\n')); }

private:
    QList<QByteArray> lines_;
    qsizetype pos_ = 0;
    bool endReported_ = false;
    bool damaged_ = false;
    QStringList problems_;
};

// The file under any case of its name, as a case-blind file system would find it.
QString existingPath(const QString& path)
{
    if (QFileInfo::exists(path))
        return path;
    const QFileInfo fi(path);
    const QStringList hits = fi.dir().entryList({fi.fileName()}, QDir::Files, QDir::Name);
    for (const QString& h : hits) {
        if (h.compare(fi.fileName(), Qt::CaseInsensitive) == 0)
            return fi.dir().filePath(h);
    }
    return QString();
}

// Copied whole into memory; no data file comes near (those read are far smaller).
constexpr qint64 MaxDamagedCopyBytes = qint64(256) * 1024 * 1024;

// Where a damaged file is kept before it is first saved over: its name plus
// ".damaged", numbered when an earlier copy is there (never replaced).
QString damagedCopyPath(const QString& path)
{
    QString name = path + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".damaged.%1").arg(n);
    return name;
}

QString keptAsText(const QString& path)
{
    return QStringLiteral("変更を保存する前に、元のファイルを「%1」として残します。")
        .arg(QFileInfo(damagedCopyPath(path)).fileName());
}

// Copies the damaged file aside; false with the problem when it cannot be
// kept, and then the file must not be replaced.
bool keepDamagedFile(const QString& path, QString* problem)
{
    const QString found = existingPath(path);
    if (found.isEmpty())
        return true; // gone meanwhile: nothing left to lose
    const files::ReadResult file = files::readRegularFile(found, MaxDamagedCopyBytes);
    const QString copy = damagedCopyPath(found);
    QString reason = file.reason;
    if (file.ok() && files::writeFileSafely(copy, file.bytes, &reason))
        return true;
    *problem = QStringLiteral("壊れたデータファイルの控えを作れないため、データファイルを保存しませんでした。\n%1\n%2")
                   .arg(copy, reason);
    return false;
}

} // namespace

void setDataFolderOverride(const QString& folder) { folderOverride() = folder; }

QString dataFilePath()
{
    const QString folder = folderOverride();
    if (folder.isEmpty())
        return paths::dataFile(DataFileName);
    return QDir(folder).filePath(DataFileName);
}

DataFileResult ReadDataFile(LiveStore& s, const QString& path)
{
    DataFileResult res;
    const QString found = existingPath(path);
    if (found.isEmpty()) {
        res.missing = true;
        return res;
    }
    const files::ReadResult file = files::readRegularFile(found, MaxDataFileBytes);
    if (!file.ok()) {
        res.ok = false;
        res.problem =
            QStringLiteral("データファイルを読み込めません。\n%1\n%2\n%3").arg(found, file.reason, keptAsText(found));
        s.setLoadedDamaged(true);
        return res;
    }
    return ReadDataFileBytes(s, file.bytes, found);
}

DataFileResult ReadDataFileBytes(LiveStore& s, const QByteArray& bytes, const QString& name)
{
    DataFileResult res;
    LineReader in(bytes);

    if (auto h = in.text())
        s.DataFileHeader = *h;
    QList<RegisteredSize> sizes(in.count(LiveStore::RegSizeCapacity, QStringLiteral("のし紙サイズ")));
    for (RegisteredSize& z : sizes) {
        for (int st = 0; st < NameStyleCount; ++st) {
            if (auto t = in.text()) {
                // Trimmed first, so that the old key with a stray blank is renamed too.
                const QString key = normalisedKey(*t);
                z.RegSizeTemplate[size_t(st)] = key == OldB5StripKey ? B5StripKey : key;
            }
            if (auto t = in.text())
                z.RegSizeName[size_t(st)] = *t;
            if (auto v = in.number())
                z.RegOffsetX[size_t(st)] = *v;
            if (auto v = in.number())
                z.RegOffsetOmote[size_t(st)] = *v;
            if (auto v = in.number())
                z.RegOffsetName[size_t(st)] = *v;
        }
    }
    QStringList omotes;
    const int omoteCount = in.count(LiveStore::OmoteCapacity, QStringLiteral("表書き"));
    for (int i = 0; i < omoteCount; ++i)
        omotes << in.text().value_or(QString());
    for (RegisteredSize& z : sizes) {
        if (auto v = in.number())
            z.RegSizeWidth = *v;
        if (auto v = in.number())
            z.RegSizeHeight = *v;
    }
    s.restoreTables(sizes, omotes);
    if (in.damaged()) {
        res.ok = false;
        res.problem = QStringLiteral("データファイルが壊れています。読み込めた内容だけを使います。\n%1\n%2\n%3")
                          .arg(name, in.problems(), keptAsText(name));
        s.setLoadedDamaged(true);
    }
    return res;
}

QStringList dataFileLines(const LiveStore& s)
{
    QStringList lines;
    lines << s.DataFileHeader << numberText(s.RegSizeCount());
    for (int r = 0; r < s.RegSizeCount(); ++r) {
        const RegisteredSize& z = s.size(r);
        for (int st = 0; st < NameStyleCount; ++st) {
            lines << z.RegSizeTemplate[size_t(st)] << z.RegSizeName[size_t(st)]
                  << numberText(z.RegOffsetX[size_t(st)]) << numberText(z.RegOffsetOmote[size_t(st)])
                  << numberText(z.RegOffsetName[size_t(st)]);
        }
    }
    lines << numberText(s.OmoteCount());
    for (int i = 0; i < s.OmoteCount(); ++i)
        lines << s.omote(i);
    for (int r = 0; r < s.RegSizeCount(); ++r)
        lines << numberText(s.size(r).RegSizeWidth) << numberText(s.size(r).RegSizeHeight);
    return lines;
}

DataFileResult WriteDataFile(LiveStore& s, const QString& path)
{
    DataFileResult res;
    s.DataFileHeader = DataFileHeaderText + QLatin1Char(' ') + DataFileVersionTag;
    const QStringList lines = dataFileLines(s);
    cp932::Error err;
    const QByteArray bytes = cp932::encodeLines(lines, &err);
    if (err.failed) {
        // Find the value that cannot be stored so the user can change it.
        QString bad;
        for (const QString& l : lines) {
            cp932::Error e;
            cp932::encode(l, &e);
            if (e.failed) {
                bad = l;
                break;
            }
        }
        res.ok = false;
        res.problem = QStringLiteral("データファイルに保存できない文字があるため、保存しませんでした。\n「%1」").arg(bad);
        return res;
    }
    if (s.loadedDamaged() && !keepDamagedFile(path, &res.problem)) {
        res.ok = false;
        return res;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString reason;
    if (!files::writeFileSafely(path, bytes, &reason)) {
        res.ok = false;
        res.problem = QStringLiteral("データファイルを保存できませんでした。\n%1\n%2").arg(path, reason);
        return res;
    }
    // The damaged file is kept aside; what is there now is whole.
    s.setLoadedDamaged(false);
    return res;
}

} // namespace app
