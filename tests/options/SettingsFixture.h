#pragma once

#include "core/ErrorLog.h"
#include "core/InterfaceTexts.h"
#include "core/RadioImage.h"
#include "options/SettingsModel.h"

#include <QTest>

#include <initializer_list>
#include <utility>

// An image of the editor's size with the settings model over it, English texts.
struct SettingsFixture {
    qrt::InterfaceTexts texts;
    qrt::RadioImage image{8192};
    qrt::ErrorLog log;
    qrt::options::SettingsModel model{image, texts, &log};

    explicit SettingsFixture(quint8 fill = 0x00, qrt::Language language = qrt::Language::English) {
        texts.load(language);
        image.fill(fill);
    }
    void set(std::initializer_list<std::pair<int, int>> bytes) {
        for (const auto& [address, value] : bytes)
            image.set(address, quint8(value));
    }
    // The refresh as the display routine runs it after a file was opened.
    void refresh() {
        model.refreshFromImage();
        model.repairVoxCompare();
    }
    const qrt::options::Control& c(const QString& name) const {
        const qrt::options::Control* control = model.control(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return *control;
    }
    QByteArray bytes(int address, int length) const { return image.mid(address, length); }
};
