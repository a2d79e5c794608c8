// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/report_rate_page.h"

#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/push_button.h"
#include "controls/skin_paths.h"
#include "log_categories.h"
#include "pages/page_look.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

constexpr QRect kTitle(20, 20, 170, 20);
constexpr QRect kRateButton(20, 40, 152, 28);
constexpr QRect kPicture(20, 84, 24, 24);
constexpr int kMenuWidth = 150;

// Report-rate codes (the polling interval in milliseconds) with their captions.
constexpr quint8 kRate125 = 8;
constexpr quint8 kRate250 = 4;
constexpr quint8 kRate500 = 2;
constexpr quint8 kRate1000 = 1;

} // namespace

TarqReportRate::TarqReportRate(ProfileRecord* profile, QWidget* parent)
    : TarqPage(parent)
    , m_profile(profile)
    , m_title(new TarqLabel(this))
    , m_picture(new QLabel(this))
    , m_rateButton(new TarqPushButton({ skinPath(QStringLiteral("profile_edit_name_1.png")),
                                        skinPath(QStringLiteral("profile_edit_name_2.png")),
                                        skinPath(QStringLiteral("profile_edit_name_2.png")) },
                                      this))
    , m_menu(new TarqMenu(this))
    , m_rate125(new TarqAction(m_menu))
    , m_rate250(new TarqAction(m_menu))
    , m_rate500(new TarqAction(m_menu))
    , m_rate1000(new TarqAction(m_menu))
    , m_liftTitle(new TarqLabel(this))
    , m_lift1(new QRadioButton(this))
    , m_lift2(new QRadioButton(this))
    , m_liftGroup(new QButtonGroup(this))
{
    setPageSurface(this);
    keepOffSurface({ m_title, m_liftTitle });
    m_iLift = 2;
    m_rateButton->setFocusPolicy(Qt::StrongFocus);
    m_rateButton->setMenu(m_menu);
    for (TarqAction* action : { m_rate125, m_rate250, m_rate500, m_rate1000 }) {
        m_menu->addChoice(action);
        connect(action, &QAction::triggered, this, &TarqReportRate::onRateAction);
    }
    m_menu->setCurrentEntry([this]() -> QAction* {
        switch (rateCode()) {
            case kRate125:
                return m_rate125;
            case kRate250:
                return m_rate250;
            case kRate500:
                return m_rate500;
            case kRate1000:
                return m_rate1000;
            default:
                return nullptr;
        }
    });
    m_picture->setPixmap(QPixmap(skinPath(QStringLiteral("rate.png"))));
    m_picture->setScaledContents(true);
    m_picture->setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,0)"));
    m_liftGroup->setExclusive(true);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    m_lift2->setChecked(true);
    // Laid out empty here, so they must not take the focus either.
    m_lift1->setFocusPolicy(Qt::NoFocus);
    m_lift2->setFocusPolicy(Qt::NoFocus);
    connect(m_lift1, &QRadioButton::clicked, this, &TarqReportRate::onRadioChanged);
    connect(m_lift2, &QRadioButton::clicked, this, &TarqReportRate::onRadioChanged);
    retranslate();
}

QList<TarqAction*> TarqReportRate::rateActions() const
{
    return { m_rate125, m_rate250, m_rate500, m_rate1000 };
}

void TarqReportRate::setProfileData(ProfileRecord& profile, quint8 lift)
{
    m_profile = &profile;
    showCaption(rateCode());
    m_iLift = lift == 1 || lift == 2 ? lift : 2;
    m_liftGroup->button(m_iLift - 1)->setChecked(true);
}

void TarqReportRate::showProfile(ProfileRecord& profile, ConfigRecord& config, int)
{
    setProfileData(profile, config.LiftHigh);
}

void TarqReportRate::showReportRate(int rateCode)
{
    setRateCode(quint8(rateCode));
}

void TarqReportRate::setRateCode(quint8 code)
{
    m_rateCode = code;
    if (m_profile)
        m_profile->pollrate = code;
    showCaption(code);
}

void TarqReportRate::retranslate()
{
    m_title->setText(tr("REPORT RATE"));
    m_rate125->setText(tr("125 HZ"));
    m_rate250->setText(tr("250 HZ"));
    m_rate500->setText(tr("500 HZ"));
    m_rate1000->setText(tr("1000 HZ"));
    m_liftTitle->setText(tr("Lift off Distance"));
    m_lift1->setText(tr("1 mm"));
    m_lift2->setText(tr("2 mm"));
    m_rateButton->setAccessibleName(tr("REPORT RATE"));
    setAccessibleName(tr("REPORT RATE"));
    showCaption(rateCode());
}

void TarqReportRate::showCaption(quint8 code)
{
    switch (code) {
        case kRate125:
            m_rateButton->setText(m_rate125->text());
            break;
        case kRate250:
            m_rateButton->setText(m_rate250->text());
            break;
        case kRate500:
            m_rateButton->setText(m_rate500->text());
            break;
        case kRate1000:
            m_rateButton->setText(m_rate1000->text());
            break;
        default:
            // An unknown code keeps the caption shown last.
            return;
    }
    m_rateButton->setAccessibleDescription(m_rateButton->text());
}

void TarqReportRate::onRateAction()
{
    const QObject* action = sender();
    quint8 code = 0;
    if (action == m_rate125)
        code = kRate125;
    else if (action == m_rate250)
        code = kRate250;
    else if (action == m_rate500)
        code = kRate500;
    else if (action == m_rate1000)
        code = kRate1000;
    else
        return;
    setRateCode(code);
}

void TarqReportRate::onRadioChanged()
{
    m_iLift = quint8(m_liftGroup->checkedId() + 1);
    qCDebug(lcUi, "m_iLift = %d", m_iLift);
    emit RefreshLift(m_iLift);
}

void TarqReportRate::resizeEvent(QResizeEvent* event)
{
    TarqPage::resizeEvent(event);
    const double factor = displayScaleFactor();
    m_title->setGeometry(scaledRect(kTitle, factor));
    // The button keeps the page's left margin on its right too, so its frame is never cut.
    QRect button = scaledRect(kRateButton, factor);
    button.setWidth(qMin(button.width(), width() - 2 * button.x()));
    m_rateButton->setGeometry(button);
    m_menu->setFixedWidth(scaled(kMenuWidth));
    for (TarqAction* action : { m_rate125, m_rate250, m_rate500, m_rate1000 })
        action->setText(action->text());
    m_picture->setGeometry(scaledRect(kPicture, factor));
    // The lift-off distance is offered on the performance page.
    for (QWidget* hidden : std::initializer_list<QWidget*>{ m_liftTitle, m_lift1, m_lift2 })
        hidden->setGeometry(0, 0, 0, 0);
}
