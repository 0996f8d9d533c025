#include "dietlens/ui/dl_informatie.h"

#include "dietlens/core/program.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/text/information.h"
#include "lang/languagetables.h"
#include "widgets/screenplacement.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

DL_Informatie::DL_Informatie(const Settings& settings, const LanguageTables& lang, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_lang(lang)
{
    setObjectName(QStringLiteral("DL_Informatie"));
    setWindowIcon(DietlensIcon());

    auto newLabel = [](const QString& name, QWidget* frame) {
        auto* label = new QLabel(frame);
        label->setObjectName(name);
        label->setWordWrap(true);
        return label;
    };
    auto* picture = new QLabel(this);
    picture->setPixmap(DietlensIcon().pixmap(48, 48));
    lbl_1 = newLabel(QStringLiteral("lbl_1"), this);
    QFont heading = lbl_1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    lbl_1->setFont(heading);
    lbl_2 = newLabel(QStringLiteral("lbl_2"), this);

    Frame_1 = new QGroupBox(this);
    Frame_1->setObjectName(QStringLiteral("Frame_1"));
    Frame_2 = new QGroupBox(this);
    Frame_2->setObjectName(QStringLiteral("Frame_2"));
    auto* about = new QVBoxLayout(Frame_1);
    auto* diet = new QVBoxLayout(Frame_2);
    for (std::size_t i = 0; i < lbl_nfo.size(); ++i) {
        lbl_nfo[i] = newLabel(QStringLiteral("lbl_nfo_%1").arg(i + 1), i == 0 ? Frame_1 : Frame_2);
        (i == 0 ? about : diet)->addWidget(lbl_nfo[i]);
        if (i == 1)
            diet->addSpacing(6);
    }

    // The line to the web site reads like a link.
    lbl_3 = newLabel(QStringLiteral("lbl_3"), this);
    lbl_3->setCursor(Qt::PointingHandCursor);
    QFont link = lbl_3->font();
    link.setUnderline(true);
    lbl_3->setFont(link);
    QPalette palette = lbl_3->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    lbl_3->setPalette(palette);
    lbl_3->installEventFilter(this);

    cmd_website = new QPushButton(this);
    cmd_website->setObjectName(QStringLiteral("cmd_website"));
    cmd_website->setAutoDefault(false);
    cmd_annuleer = new QPushButton(this);
    cmd_annuleer->setObjectName(QStringLiteral("cmd_annuleer"));
    cmd_annuleer->setDefault(true);

    auto* header = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->addWidget(lbl_1);
    titles->addWidget(lbl_2);
    header->addWidget(picture, 0, Qt::AlignTop);
    header->addLayout(titles, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd_website);
    buttons->addWidget(cmd_annuleer);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(Frame_1);
    layout->addWidget(Frame_2);
    layout->addWidget(lbl_3);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* w : {static_cast<QWidget*>(Frame_1), static_cast<QWidget*>(Frame_2)})
        w->setFixedWidth(440);

    connect(cmd_website, &QPushButton::clicked, this, &DL_Informatie::cmd_website_Click);
    connect(cmd_annuleer, &QPushButton::clicked, this, &DL_Informatie::cmd_annuleer_Click);

    // Form_Load
    lbl_1->setText(ProgramName() + QLatin1Char(' ') + ProgramVersion());
    lbl_2->setText(QStringLiteral("\u00A9 2005-2006 Quelmar"));
    Set_Taal();
    SetTopmost(this, WantsTopmost(m_settings.AlwaysOnTop, true));
    KeepOnScreen(this);
}

void DL_Informatie::Set_Taal()
{
    auto F = [this](TextSlot slot) { return m_lang.at(slot); };
    setWindowTitle(F(text::Information::MoreInformation));
    Frame_1->setTitle(F(text::Information::AboutDietlens));
    Frame_2->setTitle(F(text::Information::AboutMenuviaFOOD));
    namespace I = text::Information;
    const TextSlot paragraphs[] = {I::ProductDescription,       I::IfYouWantMoreDetails,
                                   I::KeepTrackOfYourWeight,    I::SeeIfYouConsumeThe,
                                   I::ViewDetailedGraphsOfYour, I::AccessInformationAboutMoreThan,
                                   I::MakeYourOwnListsAnd};
    for (std::size_t i = 0; i < std::size(paragraphs); ++i)
        lbl_nfo[i]->setText(F(paragraphs[i]));
    lbl_3->setText(F(text::Information::VisitOurWebsiteForMore));
    cmd_website->setText(F(text::Information::Website));
    cmd_annuleer->setText(F(text::Information::Cancel));
}

bool DL_Informatie::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbl_3 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        lbl_3->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        lbl_3_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DL_Informatie::cmd_website_Click()
{
    Q_EMIT menuviaSiteRequested();
}

void DL_Informatie::lbl_3_Click()
{
    Q_EMIT websiteRequested();
}

void DL_Informatie::cmd_annuleer_Click()
{
    done(QDialog::Rejected);
}
