#include "gui/info/AboutDialog.h"

#include "core/AppContext.h"
#include "gui/info/AboutTexts.h"
#include "gui/info/RadioPicture.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qrt::gui::info {

AboutDialog::AboutDialog(const AppContext& context, QWidget* parent) : QDialog(parent), m_ok(new QPushButton(this)) {
    const AboutTexts texts = aboutTexts(context.extraTexts(), context.text(TextId::ModelName));
    setObjectName(QStringLiteral("frmAboutSoft"));
    setWindowTitle(texts.caption);
    setAccessibleName(texts.caption);
    setModal(true);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraMain"));
    frame->setAccessibleName(texts.title);
    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("picAboutSoft"));
    picture->setAccessibleName(texts.title);
    picture->setPixmap(drawRadioPicture(devicePixelRatioF()));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* textColumn = new QVBoxLayout;
    const std::pair<QString, QString> lines[] = {
        {QStringLiteral("lblTitle"), texts.title},
        {QStringLiteral("lblUseRange"), texts.useRange},
        {QStringLiteral("lblVersion"), texts.version},
        {QStringLiteral("lblRelease"), texts.release},
        {QStringLiteral("lblDescription"), texts.description},
        {QStringLiteral("lblRights"), texts.rights},
    };
    const QString fontName = context.program().uiFontName();
    for (const auto& [name, text] : lines) {
        QLabel* line = addLabel(frame, name, text);
        QFont font = line->font();
        font.setFamily(fontName);
        line->setFont(font);
        line->setVisible(!text.isEmpty());
        textColumn->addWidget(line);
    }
    QLabel* title = label(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSize(TitlePointSize);
    title->setFont(titleFont);
    textColumn->addStretch();

    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(picture);
    frameLayout->addLayout(textColumn, 1);

    m_ok->setObjectName(QStringLiteral("cmdOk"));
    m_ok->setText(texts.ok);
    m_ok->setAccessibleName(texts.ok);
    m_ok->setDefault(true);
    QFont okFont = m_ok->font();
    okFont.setFamily(fontName);
    m_ok->setFont(okFont);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

QLabel* AboutDialog::addLabel(QWidget* frame, const QString& objectName, const QString& text) {
    auto* line = new QLabel(text, frame);
    line->setObjectName(objectName);
    line->setAccessibleName(text);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

QLabel* AboutDialog::label(const QString& objectName) const {
    return findChild<QLabel*>(objectName);
}

} // namespace qrt::gui::info
