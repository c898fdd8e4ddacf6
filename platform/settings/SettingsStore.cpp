#include "platform/settings/SettingsStore.h"

#include "platform/files/SafeFile.h"
#include "platform/paths/AppPaths.h"
#include "platform/settings/IniText.h"
#include "platform/vb/VbNum.h"
#include "platform/run/RunState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

// The store is a small INI file written by this code rather than QSettings:
// QSettings neither writes through a temporary file nor tells a damaged file
// from an empty one, and both matter here. Keys are found without regard to
// case, as the settings area of the original platform did.

namespace settings {

namespace {

// A settings file is a few kilobytes; a larger one is refused unread.
constexpr qint64 MaxStoreBytes = 64 * 1024 * 1024;

struct FileState {
    bool exists = false;
    bool readable = true;
    bool damaged = false;
    QByteArray raw;
    ini::Document store;
    QString problem;
};

FileState readFile()
{
    FileState st;
    const QString path = storePath();
    files::ReadResult in = files::readRegularFile(path, MaxStoreBytes);
    st.exists = in.status != files::ReadStatus::Missing;
    if (!st.exists)
        return st;
    if (!in.ok()) {
        st.readable = false;
        st.problem = QStringLiteral("設定ファイルを読めません。既定値を使います: %1（%2）").arg(path, in.reason);
        return st;
    }
    st.raw = std::move(in.bytes);
    ini::Parsed parsed = ini::parse(st.raw);
    st.store = std::move(parsed.doc);
    if (parsed.firstBadLine) {
        st.damaged = true;
        st.problem = QStringLiteral("設定ファイルが壊れています（%1行目）。読めない設定は既定値を使います: %2")
                         .arg(parsed.firstBadLine)
                         .arg(path);
    }
    return st;
}

// Keeps the bytes of a damaged file under a name of their own before the
// file is rewritten; an earlier backup is never replaced.
bool backUpDamaged(const FileState& st, QString* error)
{
    QString name = storePath() + QStringLiteral(".damaged");
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = storePath() + QStringLiteral(".damaged.%1").arg(n);
    QString reason;
    if (files::writeFileSafely(name, st.raw, &reason))
        return true;
    if (error)
        *error = QStringLiteral("壊れた設定ファイルの控えを作れないため、設定を保存しません: %1（%2）").arg(name, reason);
    return false;
}

struct Cache {
    std::optional<ini::Document> store;
    QString problem;
};

Cache& cache() { return run::slot<Cache>(); }

ini::Document& loaded()
{
    Cache& c = cache();
    if (!c.store) {
        FileState st = readFile();
        c.store = std::move(st.store);
        c.problem = st.problem;
    }
    return *c.store;
}

// Re-reads the file (keeping what another writer added since), applies the
// whole change and replaces the file once: old or new, never a mix.
template <typename Change>
bool writeThrough(Change change, QString* error)
{
    FileState st = readFile();
    if (st.exists && !st.readable) {
        // Rewriting a file we cannot read would throw away what it holds.
        if (error)
            *error = st.problem + QStringLiteral(" 設定は保存しません。");
        return false;
    }
    if (st.damaged && !backUpDamaged(st, error))
        return false;
    change(st.store);
    if (!QDir().mkpath(QFileInfo(storePath()).absolutePath())) {
        if (error)
            *error = QStringLiteral("設定のフォルダを作成できません: %1").arg(QFileInfo(storePath()).absolutePath());
        return false;
    }
    QString reason;
    if (!files::writeFileSafely(storePath(), ini::serialise(st.store), &reason)) {
        if (error)
            *error = QStringLiteral("設定を保存できません: %1（%2）").arg(storePath(), reason);
        return false;
    }
    return true;
}

} // namespace

QString storePath()
{
    return paths::configDir() + QLatin1Char('/') + AppTitle + QStringLiteral(".ini");
}

QString GetSetting(const QString& key, const QString& defaultValue, const QString& section)
{
    const ini::Section* s = loaded().find(section);
    if (!s)
        return defaultValue;
    const ini::Entry* e = s->find(key);
    return e ? e->value : defaultValue;
}

bool SaveSetting(const QString& key, const QString& value, const QString& section, QString* error)
{
    return SaveSettings({Setting{key, value}}, section, error);
}

bool SaveSettings(const QList<Setting>& values, const QString& section, QString* error)
{
    const bool unnamed = section.isEmpty()
        || std::any_of(values.begin(), values.end(), [](const Setting& v) { return v.key.isEmpty(); });
    if (unnamed) {
        if (error)
            *error = QStringLiteral("設定の名前が空です。");
        return false;
    }
    const auto set = [&](ini::Document& d) {
        ini::Section& s = d.ensure(section);
        for (const Setting& v : values)
            s.set(v.key, v.value);
    };
    // The running program sees the new values even when the disk refuses them.
    set(loaded());
    return writeThrough(set, error);
}

bool DeleteSetting(const QString& key, const QString& section, QString* error)
{
    const auto remove = [&](ini::Document& d) {
        ini::Section* s = d.find(section);
        if (!s)
            return;
        if (key.isEmpty())
            s->clear(); // an empty key removes the whole section
        else
            s->remove(key);
    };
    remove(loaded());
    return writeThrough(remove, error);
}

bool GetBool(const QString& key, bool defaultValue, const QString& section)
{
    try {
        return vb::CBool(GetSetting(key, vb::BoolText(defaultValue), section));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

int GetInt(const QString& key, int defaultValue, const QString& section)
{
    try {
        return vb::CLng(GetSetting(key, vb::NumberText(defaultValue), section));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

double GetDouble(const QString& key, double defaultValue, const QString& section)
{
    try {
        return vb::CDbl(GetSetting(key, vb::NumberText(defaultValue), section));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

bool SaveBool(const QString& key, bool value, const QString& section, QString* error)
{
    return SaveSetting(key, vb::BoolText(value), section, error);
}

bool SaveNumber(const QString& key, double value, const QString& section, QString* error)
{
    return SaveSetting(key, vb::NumberText(value), section, error);
}

QString loadProblem()
{
    loaded();
    return cache().problem;
}

void reload()
{
    cache() = Cache{};
}

} // namespace settings
