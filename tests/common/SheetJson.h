// A noshi sheet described in JSON, as the test tools take it (see
// tests/tools/noshi_trace.cpp for the fields): read, checked, and set into the
// main window and its input windows as a user would set them.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace app {
class InputWindows;
class NoshiMain;
}

namespace sheet {

// Bad JSON, an unknown field or a bad value.
struct BadSheet {
    QString what;
};

// The JSON object of a file ("-": standard input).
QJsonObject read(const QString& path);

// Checked readers of one field; absent fields give the fallback (false, 0).
QString text(const QJsonObject& o, const QString& key, const QString& fallback = {});
bool flag(const QJsonObject& o, const QString& key);
int number(const QJsonObject& o, const QString& key);
// Index of the field's value among the choices; -1 when it is absent.
int choice(const QJsonObject& o, const QString& key, const QStringList& values);

// Registers the sheet's size (with its template, registered width and
// height and offsets) and fills the windows. toolFields: further fields the
// calling tool reads itself.
void fill(app::NoshiMain& m, app::InputWindows& w, const QJsonObject& o, const QStringList& toolFields = {});

// Settings and data in folders of their own under dir, never the user's.
void usePrivateFolders(const QString& dir);

} // namespace sheet

namespace sheet {

// Answers every message box as a user going ahead would (Yes, OK) and keeps
// each as "MSG title: text" on one line, for as long as it lives.
class MessageLog {
public:
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    QStringList shown;
};

} // namespace sheet
