// A loaded main window with the settings dialog wired to it, message boxes
// answered from a queue (OK once it runs dry) and the data file in the
// test's own folder.
#pragma once

#include "app/MainTestSupport.h"

#include "app/MainSettingsHost.h"
#include "model/TemplateCatalogue.h"
#include "config/Noshisettei.h"
#include "config/SizeTabs.h"
#include "config/TemplateSearch.h"
#include "platform/forms/Controls.h"
#include "platform/services/MessageBox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <deque>

class ConfigTest : public MainWindowTest {
protected:
    std::unique_ptr<app::MainSettingsHost> host;
    std::deque<ui::Answer> answers;

    void SetUp() override
    {
        MainWindowTest::SetUp();
        app::catalogue().build();
        start();
        host = std::make_unique<app::MainSettingsHost>(*w);
        host->install();
        w->refreshCommandAvailability();
        ui::setAnswerer([this](const ui::MessageRequest&) {
            if (answers.empty())
                return ui::Answer::Ok;
            const ui::Answer a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    void TearDown() override
    {
        config::templateSearchWindow().unload();
        if (host)
            host->window().unload();
        host.reset();
        MainWindowTest::TearDown();
    }

    // The dialog as a menu item opens it.
    config::Noshisettei& open(QAction* item)
    {
        item->trigger();
        return *host->window().peek();
    }
    config::SizeRegistrationPage& reg()
    {
        return *open(w->mnuSet1).tab<config::SizeRegistrationPage>(config::Noshisettei::SizeTab);
    }
    config::SizeStatusPage& status()
    {
        return *open(w->mnuList).tab<config::SizeStatusPage>(config::Noshisettei::SizeStatusTab);
    }

    // Picks a template in the list by its key, as a click would.
    void pick(config::SizeRegistrationPage& r, const QString& key)
    {
        const int i = r.Combo4->findText(key, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << key.toStdString();
        forms::setListIndex(r.Combo4, i);
    }
    // Registers through the tab's controls.
    void registerSize(const QString& key, const QString& name)
    {
        config::SizeRegistrationPage& r = reg();
        pick(r, key);
        forms::setText(r.Text5, name);
        r.Command7->click();
    }

    static QStringList items(const QComboBox* list)
    {
        QStringList l;
        for (int i = 0; i < list->count(); ++i)
            l << list->itemText(i);
        return l;
    }
    QStringList messageTexts() const
    {
        QStringList l;
        for (const ui::MessageRequest& m : ui::shownMessages())
            l << m.text;
        return l;
    }
    // The store as the data file on disk holds it now.
    app::LiveStore onDisk() const
    {
        app::LiveStore s;
        app::ReadDataFile(s, app::dataFilePath());
        return s;
    }
};
