// A driver of two recording printers whose papers, copies limit and
// settings window each test sets; it logs the default papers it was asked
// to store and the settings windows it was asked to show.
#pragma once

#include "platform/print/PrinterDriver.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterTesting.h"
#include "platform/print/RecordingBackend.h"

#include <QMap>
#include <utility>

struct FakePrinter {
    prn::RecordingBackend::Device device;
    std::optional<std::vector<uint16_t>> codes;
    std::optional<QStringList> names;
    int maxCopies = 999;
    bool settingsWindow = true; // its settings window can be shown
};

class FakeDriver : public prn::PrinterDriver {
public:
    QStringList order;
    QMap<QString, FakePrinter> printers;
    std::vector<std::pair<QString, int>> defaultsStored;
    QStringList settingsShownFor;
    QString storeError; // setDefaultPaper fails with this text

    FakePrinter& add(const QString& name)
    {
        order << name;
        FakePrinter& p = printers[name];
        p.device.name = name;
        return p;
    }
    QStringList printerNames() const override { return order; }
    bool makeCurrent(const QString& name) override
    {
        if (!printers.contains(name))
            return false;
        prn::setCurrentBackend(std::make_unique<prn::RecordingBackend>(printers[name].device));
        return true;
    }
    std::optional<std::vector<uint16_t>> paperCodes(const QString& p) const override { return printers.value(p).codes; }
    std::optional<QStringList> paperNames(const QString& p) const override { return printers.value(p).names; }
    int maxCopies(const QString& p) const override { return printers.value(p).maxCopies; }
    bool setDefaultPaper(const QString& p, int code, QString* error) override
    {
        if (!storeError.isEmpty()) {
            *error = storeError;
            return false;
        }
        defaultsStored.emplace_back(p, code);
        return true;
    }
    bool showDocumentDefaults(QWidget*, const QString& p) override
    {
        settingsShownFor << p;
        return printers.contains(p) && printers[p].settingsWindow;
    }
};
