#pragma once

namespace qrt {

// The entries of the interface text table the program names, by their index in the table
// (the same index in every language). Tables that list captions by number (menus, the tool
// bar, the settings descriptors, the forms) keep their numbers and convert with textIdAt.
enum class TextId : int {
    // The frame and its files
    ProgramTitle = 16,
    OpenCaption = 22,
    SaveAsCaption = 24,
    HelpTopicCaption = 37,
    LanguageChanged = 68,
    Notice = 70, // the title of every message box
    ExitQuestion = 73,
    ClearDataQuestion = 74,
    SaveChangesQuestion = 82,
    WrongFileType = 83,
    SaveFailed = 84,
    FileName = 85, // "File Name:" before the current file
    SaveAsFailed = 86,
    ReadFileFailed = 87,
    Ready = 94,
    InterfaceLocked = 116,

    // Communication
    PortDialogTitle = 60, // "Communication Port"
    PortFrame = 61,       // "Set"
    PortLabel = 62,       // "Communication Port"
    PortOk = 63,
    PortCancel = 64,
    RadioNotSupported = 69,
    CommunicationFailed = 79,
    ProgramCodeError = 97,
    ReadButton = 100,
    WriteButton = 101,
    CommunicationTitle = 102, // "Communicate"
    SeveralRadiosSetting = 150,  // "Auto Read/Write Setting"
    SeveralRadiosInterval = 151, // "Interval Time"
    SeveralRadiosWrite = 152,    // "Write to Radio"
    SeveralRadiosRead = 153,     // "Read from Radio"
    SeveralRadiosProgress = 154, // "Show Progress"
    SeveralRadiosTitle = 155,    // "Auto Read/Write"
    CommunicationFrame = 156,    // "Communication"
    SeveralRadiosTimes = 157,    // "Times"
    Reading = 164,
    ReadSucceeded = 165,
    ReadFailed = 166,
    Writing = 168,
    NoDataReceived = 175,

    // The channel editor
    DeleteChannel = 110,
    DeleteAllChannels = 112,
    ModelInformation = 370,
    ModelType = 371,
    Frequency = 372,
    CustomBand = 373,
    CustomBandTitle = 374,
    CustomBandMin = 375,
    CustomBandMax = 376,
    CustomBandOk = 377,
    CustomBandCancel = 378,
    RestoreDefaultSetting = 400,

    // Printing
    Printing = 105,             // "Printing，Please wait..."
    PrintFailed = 106,          // "Print occur error!"
    PrintSelectionTitle = 142,  // "Select Print Content"
    PrintItem = 143,            // "Item"
    PrintCover = 144,           // "Cover"
    PrintRadioSettings = 145,   // "Radio Settings"
    PrintChannels = 146,        // "Channel Information"
    Print = 147,
    PrintCancel = 148,          // "Cancel"
    PrintJobName = 149,         // "Print Chananel Data"
    PrintOff = 302,             // "Off", also the first item of a list
    PrintOn = 303,              // "On"

    // The information windows
    RadioInfoFrame = 183,
    RadioInfoModelType = 184,
    FrequencyRange = 185,
    SoftwareVersion = 186,
    LastWrite = 187,
    ModelName = 356,
    TreeRadioInfo = 381,
    ChannelInfo = 382,
    TreeOptionalFeatures = 383,

    // The settings and their dialogs
    AutodialList = 257,
    TwoTone = 325,
    AutoNextSerial = 329,
    SetVolume = 334,
    Volume = 335,
    VolumeLevel = 336,
    VolumeDefault = 337,
    UseThisVolumeSet = 338,
    VolumeOk = 339,
    NewProgramCode = 364,    // "Set New Program Code"
    NewProgramCodeBox = 365, // "New Program Code"
    SelectAll = 367,
    SelectNone = 368,
    PttIdPauseTitle = 387,
    PttIdPauseChannel = 388,
    PttIdPauseOk = 389,
    VoxCompare = 401,
    LevelUnit = 402, // "级" after a VOX compare level in Chinese, empty in English
    ImportSerialNumbers = 404,

    // Items of the option lists; a ...First is the first of a run of items
    TimeOutOff = 260,
    Seconds = 261,
    PreTimeOutOff = 262,
    VoiceAnnouncementFirst = 263,
    PowerOnToneOff = 266,
    PowerOnTone = 267,
    SaveModeFirst = 276,
    TailDeleteFirst = 285,
    LowBatteryAlarmOff = 293,
    LowBatteryAlarmSeconds = 294,
    VoxOff = 295,
    VoxDelayFirst = 296,
    VoxReceiveForbidFirst = 302,
    ScanPriorityFirst = 304,
    PriorityChannelOff = 307,
    ScanTransmitModeFirst = 308,
    DtmfSeconds = 312,
    GroupCodeFirst = 313,
    CallAlarmOff = 320,
    CallAlarmGlint = 321,
    CallAlarmSeconds = 322,
    CloseSortFirst = 323,
    AlarmSortFirst = 331,
    LowPowerToneFirst = 347,
    RadioIdOff = 353,
    CallAlarmContinuous = 366,
    SelectedChannel = 385,
    FixedChannel = 386,
    HoldSeconds = 395,
    KeyFunctionFirst = 411,
};

// The entry at an index of the table, for captions listed by number.
constexpr TextId textIdAt(int index) {
    return static_cast<TextId>(index);
}

constexpr int indexOf(TextId id) {
    return static_cast<int>(id);
}

// The entry offset entries after another: an item of a run of list items.
constexpr TextId operator+(TextId first, int offset) {
    return textIdAt(indexOf(first) + offset);
}

} // namespace qrt
