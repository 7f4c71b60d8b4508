#pragma once

#include "TestSupport.h"
#include "channels/ChannelGridModel.h"
#include "channels/ChannelTableModel.h"
#include "core/AppContext.h"
#include "core/DataFile.h"
#include "document/ModelAndBand.h"
#include "document/RadioData.h"

#include <QStringList>

#include <memory>

namespace qrt::test {

// The data after the program's start-up (untitled data from the template: every channel
// empty, the band 400 - 470 MHz) with a channel table model over its table and its grid
// model. The model is redisplayed only where a test says so.
struct ChannelFixture {
    explicit ChannelFixture(Language language = Language::English) {
        context = std::make_unique<AppContext>(dir.path());
        context->errorLog().subscribe([this](const QString&, const QString& detail) { logged << detail; });
        context->load(language);
        data = std::make_unique<RadioData>(*context);
        modelAndBand = std::make_unique<ModelAndBand>(*context, data->image);
        modelAndBand->chooseModel(0);
        chooseBand(band::DefaultPosition);
        model = std::make_unique<channels::ChannelTableModel>(sources());
        grid = std::make_unique<channels::ChannelGridModel>(*model);
    }

    channels::ChannelTableSources sources() {
        return data->channelSources([this] { return modelAndBand->limits(); });
    }
    // New data from the template, keeping model and band.
    void newData() {
        data->loadTemplateKeepingModelAndBand();
        decodeTable();
    }
    // A band of the list taken as the user chooses it: new data from the template.
    void chooseBand(int position) {
        modelAndBand->chooseFixedBand(position);
        newData();
    }
    // A data file read into the image, with its model and band.
    bool openFile(const QString& path) {
        QByteArray bytes;
        if (!datafile::readFile(path, data->image.size(), &bytes).ok())
            return false;
        datafile::loadIntoImage(bytes, data->image);
        modelAndBand->showModelFromImage();
        modelAndBand->showBandFromImage();
        decodeTable();
        return true;
    }
    // The table decoded from the image behind the model's back (the model shows it after
    // its own redisplay).
    void decodeTable() { data->codec.decodeAll(data->image, context->channelDef(), data->channels); }

    // Writes a channel record (hexadecimal text) into the image and redisplays.
    void setRecord(int channel, const char* hex) {
        data->image.write(ChannelTable::recordAddress(channel), QByteArray::fromHex(hex));
        model->reloadFromImage();
    }
    QByteArray record(int channel) const {
        return data->image.mid(ChannelTable::recordAddress(channel), ChannelTable::RecordSize);
    }
    // The image as the codec encodes the model's table into the given image.
    RadioImage encoded(RadioImage image) const {
        ChannelTable table = model->table();
        data->codec.encodeAll(table, context->channelDef(), image);
        return image;
    }
    QModelIndex at(int channel, int column) const { return grid->cell(channel, column); }
    QString text(int channel, int column) const { return model->cellText(channel, column); }
    QStringList rowTexts(int channel) const {
        QStringList texts;
        for (int c = 1; c <= model->columnCount(); ++c)
            texts << text(channel, c);
        return texts;
    }
    // A frequency typed into the receive (column 1) or transmit cell.
    bool type(int channel, int column, const QString& typed) {
        return column == ChannelTable::RxColumn ? model->setReceiveFrequency(channel, typed)
                                                : model->setTransmitFrequency(channel, typed);
    }

    TempAppDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<RadioData> data;
    std::unique_ptr<ModelAndBand> modelAndBand;
    std::unique_ptr<channels::ChannelTableModel> model;
    std::unique_ptr<channels::ChannelGridModel> grid;
    QStringList logged;
};

// The options of a new channel, columns 5 to 13.
inline const QStringList DefaultOptions = {"Wide", "High", "On", "Off", "Off", "Off", "Off", "Off", "Off"};

// The texts of a row: columns 1 to 4, then the options.
inline QStringList texts(std::initializer_list<const char*> first4, const QStringList& options = DefaultOptions) {
    QStringList list;
    for (const char* t : first4)
        list << QString::fromUtf8(t);
    return list + options;
}

// Records the user-edit brackets and the changed channels of a table in their order.
struct EditRecorder {
    explicit EditRecorder(channels::ChannelTableModel& model) {
        using channels::ChannelTableModel;
        QObject::connect(&model, &ChannelTableModel::userEditStarted, [this](const QString& key) {
            events << QStringLiteral("started ") + key;
            if (depth++ == 0)
                ++outerPairs;
        });
        QObject::connect(&model, &ChannelTableModel::userEditFinished, [this] {
            events << QStringLiteral("finished");
            if (--depth < 0)
                unbalanced = true;
        });
        QObject::connect(&model, &ChannelTableModel::channelChanged, [this] { events << QStringLiteral("changed"); });
    }
    QStringList events;
    int depth = 0;
    int outerPairs = 0;
    bool unbalanced = false;
};

// Channel records of the tests: receive, transmit, decode, encode, option bytes.
inline constexpr const char* Record440 = "00500144"
                                         "00500144"
                                         "9E02"
                                         "1328"
                                         "00000000"; // 440.15 MHz, 67.0, D023N
inline constexpr const char* Record136 = "00006013"
                                         "00006013"
                                         "FFFF"
                                         "FFFF"
                                         "00000000"; // 136 MHz, no tones
inline constexpr const char* RecordReceiveOnly = "00500144"
                                                 "FFFFFFFF"
                                                 "9E02"
                                                 "9E02"
                                                 "00000000";
inline constexpr const char* RecordEmpty = "FFFFFFFF"
                                           "FFFFFFFF"
                                           "FFFF"
                                           "FFFF"
                                           "00000000";

} // namespace qrt::test
