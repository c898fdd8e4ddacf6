// Folders of saved parts with their side files, and list stores over them,
// in a temporary folder of the test's own.
#pragma once

#include "platform/text/Cp932.h"
#include "preview/lists/FileListStore.h"
#include "common/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace listtest {

inline const QString LargeKey = QStringLiteral("萌黄（祝大）　");

inline QByteArray sjis(const QString& text) { return cp932::encode(text); }

// A side file as the editor writes it: key and size name, each line ended by CR LF.
inline QByteArray sideBytes(const QString& key, const QString& sizeName)
{
    return sjis(key + QStringLiteral("\r\n") + sizeName + QStringLiteral("\r\n"));
}

// A saved part `name` in `dir` (its bytes do not matter to the list) and,
// unless `side` is nothing, its side file: the name minus its last four
// characters plus ".ndb", or `sideName` when given.
inline void part(const QString& dir, const QString& name, const std::optional<QByteArray>& side,
                 const QString& sideName = QString())
{
    writeFileBytes(dir + u'/' + name, "{\\rtf1 }");
    if (side)
        writeFileBytes(dir + u'/' + (sideName.isEmpty() ? name.left(name.size() - 4) + ".ndb" : sideName), *side);
}

} // namespace listtest

class ListTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    std::vector<std::unique_ptr<preview::FileListStore>> stores;

    // A new folder below the test's folder.
    QString folder(const QString& name)
    {
        QDir(tmp.path()).mkpath(name);
        return tmp.filePath(name);
    }
    // A fresh inscription list holding one row per name (IDs in name order).
    preview::FileListStore& listOf(const QStringList& names, const QString& sizeName = QStringLiteral("大のし"))
    {
        const int n = int(stores.size());
        const QString dir = folder(QStringLiteral("list%1").arg(n));
        for (const QString& name : names)
            listtest::part(dir, name + ".nd1", listtest::sideBytes(listtest::LargeKey, sizeName));
        stores.push_back(std::make_unique<preview::FileListStore>(tmp.filePath(QStringLiteral("list%1.db").arg(n)),
                                                                  preview::OmoteFileListKind()));
        preview::FileListStore& s = *stores.back();
        EXPECT_EQ(s.OpenFileListStore(), preview::FileListStore::OpenResult::Created);
        EXPECT_EQ(s.replaceWithFolder(dir), names.size());
        return s;
    }
};

using namespace listtest;
