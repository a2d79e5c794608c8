// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/gun_dialogs.h"

#include "controls/dialog_controls.h"
#include "controls/dialog_look.h"
#include "controls/display_scale.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "controls/push_button.h"
#include "controls/skin_catalogue.h"
#include "controls/skin_paths.h"
#include "controls/theme.h"
#include "macro/gun_pattern.h"
#include "macro/macro_fit.h"
#include "storage/file_names.h"
#include "storage/macro_files.h"
#include "storage/product_description.h"

#include <QButtonGroup>
#include <QFile>
#include <QFontMetrics>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <iterator>

namespace {

constexpr int kDialogWidth = 560;
constexpr int kDialogHeight = 420;
constexpr int kRowHeight = 28;
constexpr int kRowGap = 8;
constexpr int kColumnGap = 16;
constexpr int kValueWidth = 44;
constexpr int kNumberWidth = 64;
constexpr int kNumberDigits = 4;
constexpr int kBulletIconSize = 12;
constexpr int kBulletIconGap = 2;
constexpr int kHandleSize = 16;
constexpr int kGrooveThickness = 4;
constexpr int kTextPadding = 12;

constexpr int kSetListWidth = 180;
constexpr int kEditListWidth = 200;
constexpr int kFirstBullets = 1;
constexpr int kFirstDelayMs = 100;
constexpr int kFirstDistance = 5;
constexpr int kFirstPauseMs = 50;

constexpr const char* kMoveIcon = "mouse_move.png";
constexpr const char* kDelayIcon = "icondelay.png";
constexpr const char* kSliderHandle = "gunset_slider.png";
constexpr const char* kBulletIcon = "gunset_bullet.png";

// The message box translates these in its own context.
constexpr const char* kWarningHeading = "Warning";
constexpr const char* kNoNameText = QT_TRANSLATE_NOOP("TarqMessageBox", "Please input file name.");
constexpr const char* kDelayRangeText = QT_TRANSLATE_NOOP("TarqMessageBox", "The delay must be 10 to 1000 ms.");
static_assert(kMinGunDelayMs == 10 && kMaxGunDelayMs == 1000, "the delay message names the range");

const char* const kDirectionTexts[] = { QT_TRANSLATE_NOOP("TarqGunEditDialog", "MOVE LEFT"),
                                        QT_TRANSLATE_NOOP("TarqGunEditDialog", "MOVE RIGHT"),
                                        QT_TRANSLATE_NOOP("TarqGunEditDialog", "MOVE UP"),
                                        QT_TRANSLATE_NOOP("TarqGunEditDialog", "MOVE DOWN") };
constexpr MoveDirection kDirections[] = { MoveDirection::Left, MoveDirection::Right, MoveDirection::Up,
                                          MoveDirection::Down };

struct ButtonName
{
    quint8 bit;
    const char* text;
};
const ButtonName kButtonNames[] = { { MouseButtonBit::Left, QT_TRANSLATE_NOOP("TarqGunEditDialog", "LEFT CLICK") },
                                    { MouseButtonBit::Right, QT_TRANSLATE_NOOP("TarqGunEditDialog", "RIGHT CLICK") },
                                    { MouseButtonBit::Middle, QT_TRANSLATE_NOOP("TarqGunEditDialog", "MIDDLE CLICK") },
                                    { MouseButtonBit::Forward, QT_TRANSLATE_NOOP("TarqGunEditDialog", "FORWARD") },
                                    { MouseButtonBit::Backward, QT_TRANSLATE_NOOP("TarqGunEditDialog", "BACKWARD") } };

QLineEdit* makeNumberField(QWidget* parent, int value, int minimum, int maximum)
{
    auto* edit = new TarqLineEdit(parent);
    edit->setFont(dialogFont());
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(kNumberDigits);
    edit->setValidator(new QIntValidator(minimum, maximum, edit));
    edit->setText(QString::number(value));
    return edit;
}

QString sliderStyle()
{
    const QColor accent = themeColour();
    return QStringLiteral("QSlider{background:transparent;}"
                          "QSlider::groove:horizontal{height:%1px;border-radius:%2px;background:rgb(62,66,72);}"
                          "QSlider::sub-page:horizontal{border-radius:%2px;background:rgb(%3,%4,%5);}"
                          "QSlider::handle:horizontal{width:%6px;margin:-%7px 0px;border-image:url(\"%8\");}"
                          "QSlider:focus{border:1px dotted rgb(%3,%4,%5);}")
        .arg(scaled(kGrooveThickness))
        .arg(scaled(kGrooveThickness) / 2)
        .arg(accent.red())
        .arg(accent.green())
        .arg(accent.blue())
        .arg(scaled(kHandleSize))
        .arg((scaled(kHandleSize) - scaled(kGrooveThickness)) / 2)
        .arg(skinPath(QLatin1String(kSliderHandle)));
}

QSlider* makeSlider(QWidget* parent, int minimum, int maximum, int value)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setStyleSheet(sliderStyle());
    slider->setFocusPolicy(Qt::StrongFocus);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(std::max(1, (maximum - minimum) / 10));
    slider->setValue(value);
    return slider;
}

QString bytesText(const MacroEvent& row)
{
    return QString::asprintf("%02X %02X %02X", row.kind, row.dataL, row.dataH);
}

int directionIndex(MoveDirection direction)
{
    return static_cast<int>(std::find(std::begin(kDirections), std::end(kDirections), direction) -
                            std::begin(kDirections));
}

} // namespace

TarqGunEditDialog::TarqGunEditDialog(const QVector<MacroEvent>& pattern, int unit, QWidget* parent)
    : TarqSkinDialog(QLatin1String(Skin::GunDialog), QSize(kDialogWidth, kDialogHeight), parent)
    , m_pattern(pattern)
    , m_unit(std::max(1, unit))
{
    setWindowModality(Qt::ApplicationModal);
    setTexts(tr("GUN EDIT"), tr("OK"), tr("Cancel"));
    buildControls();
    refreshList(m_pattern.isEmpty() ? -1 : 0);
    m_list->setFocus();
}

void TarqGunEditDialog::buildControls()
{
    const QRect content = contentRect();
    const int row = scaled(kRowHeight);
    const int listWidth = scaled(kEditListWidth);

    auto* listCaption = makeCaption(this, tr("MOUSE ACTION"));
    listCaption->setGeometry(content.left(), content.top(), listWidth, row);
    m_list = makeRowList(this);
    m_list->setAccessibleName(tr("MOUSE ACTION"));
    const int listTop = content.top() + row + scaled(kRowGap);
    m_list->setGeometry(content.left(), listTop, listWidth, content.bottom() + 1 - listTop);
    connect(m_list, &QListWidget::currentRowChanged, this, &TarqGunEditDialog::showSelectedRow);
    m_list->installEventFilter(this);

    const int left = content.left() + listWidth + scaled(kColumnGap);
    const int width = content.right() + 1 - left;
    const int half = (width - scaled(kRowGap)) / 2;
    const int step = std::min(row + scaled(kRowGap) * 2, (content.height() - row) / 4);
    auto rowTop = [&](int index) { return content.top() + index * step; };

    m_directions = new QButtonGroup(this);
    m_directions->setExclusive(true);
    for (int i = 0; i < 4; ++i) {
        TarqPushButton* button = makeSkinnedButton(this, tr(kDirectionTexts[i]));
        button->setCheckable(true);
        button->setGeometry(left + (i % 2) * (width - half), rowTop(i / 2), half, row);
        m_directions->addButton(button, i);
    }
    connect(m_directions, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            chooseDirection(kDirections[id]);
    });

    auto* distanceCaption = makeCaption(this, tr("Distance"));
    const int captionWidth = fitCaptions({ distanceCaption }, width / 2);
    distanceCaption->setGeometry(left, rowTop(2), captionWidth, row);
    m_distanceSlider = makeSlider(this, 1, kMaxMoveDistance, kFirstDistance);
    m_distanceSlider->setAccessibleName(tr("Distance"));
    const int valueWidth = scaled(kValueWidth);
    m_distanceSlider->setGeometry(left + captionWidth, rowTop(2), width - captionWidth - valueWidth, row);
    m_distanceValue = makeCaption(this, QString());
    m_distanceValue->setAlignment(Qt::AlignCenter);
    m_distanceValue->setGeometry(content.right() + 1 - valueWidth, rowTop(2), valueWidth, row);
    connect(m_distanceSlider, &QSlider::valueChanged, this, &TarqGunEditDialog::sValueChangedSlot);

    m_addButton = makeSkinnedButton(this, tr("ADD"));
    m_addButton->setGeometry(left, rowTop(3), half, row);
    connect(m_addButton, &QPushButton::clicked, this, &TarqGunEditDialog::addMovement);
    m_deleteButton = makeSkinnedButton(this, tr("DELETE"));
    m_deleteButton->setGeometry(left + width - half, rowTop(3), half, row);
    connect(m_deleteButton, &QPushButton::clicked, this, &TarqGunEditDialog::deleteSelectedRow);

    m_delayEdit = makeNumberField(this, kFirstPauseMs, kMinGunDelayMs, kMaxGunDelayMs);
    m_delayEdit->setAccessibleName(tr("Delay (ms)"));
    const int numberWidth = scaled(kNumberWidth);
    m_delayEdit->setGeometry(left, rowTop(4), numberWidth, row);
    auto* unitLabel = makeCaption(this, tr("ms"));
    const int unitWidth = half - numberWidth;
    unitLabel->setGeometry(left + numberWidth + scaled(kRowGap) / 2, rowTop(4), unitWidth, row);
    m_addDelayButton = makeSkinnedButton(this, tr("ADD DELAY"));
    m_addDelayButton->setGeometry(left + width - half, rowTop(4), half, row);
    connect(m_addDelayButton, &QPushButton::clicked, this, &TarqGunEditDialog::addDelay);
    // A pause outside the range is never added; the button says so by greying out.
    connect(m_delayEdit, &QLineEdit::textChanged, this, &TarqGunEditDialog::updateButtons);

    m_directions->button(directionIndex(MoveDirection::Down))->setChecked(true);
    sValueChangedSlot(m_distanceSlider->value());

    QWidget* order[] = { m_list,
                         m_directions->button(0),
                         m_directions->button(1),
                         m_directions->button(2),
                         m_directions->button(3),
                         m_distanceSlider,
                         m_addButton,
                         m_deleteButton,
                         m_delayEdit,
                         m_addDelayButton,
                         yesButton(),
                         noButton() };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

MoveDirection TarqGunEditDialog::direction() const
{
    const int id = m_directions->checkedId();
    return id < 0 ? MoveDirection::Down : kDirections[id];
}

int TarqGunEditDialog::distance() const
{
    return m_distanceSlider->value();
}

void TarqGunEditDialog::showRows(QListWidget* list, const QVector<MacroEvent>& rows, int unit)
{
    const QIcon moveIcon(skinPath(QLatin1String(kMoveIcon)));
    const QIcon delayIcon(skinPath(QLatin1String(kDelayIcon)));
    list->clear();
    for (const MacroEvent& row : rows) {
        MoveDirection direction = MoveDirection::Down;
        int distance = 0;
        if (readMove(row, direction, distance)) {
            list->addItem(new QListWidgetItem(moveIcon, tr(kDirectionTexts[directionIndex(direction)]) +
                                                            QStringLiteral(" : %1").arg(distance)));
            continue;
        }
        if (row.kind == MacroKind::Delay) {
            const QString text =
                tr("%d ms").replace(QLatin1String("%d"), QString::number(delayMilliseconds(row, unit)));
            list->addItem(new QListWidgetItem(delayIcon, text));
            continue;
        }
        const bool isButton = row.kind == MacroKind::ButtonPress || row.kind == MacroKind::ButtonRelease;
        const auto name = std::find_if(std::begin(kButtonNames), std::end(kButtonNames),
                                       [&row](const ButtonName& button) { return button.bit == row.dataL; });
        if (isButton && name != std::end(kButtonNames)) {
            list->addItem(new QListWidgetItem(moveIcon, tr(name->text)));
            continue;
        }
        // Rows this dialog does not make still show, so that nothing vanishes unseen.
        list->addItem(bytesText(row));
    }
}

void TarqGunEditDialog::chooseDirection(MoveDirection direction)
{
    if (QAbstractButton* button = m_directions->button(directionIndex(direction)))
        button->setChecked(true);
}

void TarqGunEditDialog::sValueChangedSlot(int iValue)
{
    m_distanceValue->setText(QString::number(iValue));
    const int selected = m_list->currentRow();
    MoveDirection direction = MoveDirection::Down;
    int distance = 0;
    if (selected < 0 || !readMove(m_pattern.at(selected), direction, distance) || distance == iValue)
        return;
    m_pattern[selected] = ::moveEvent(direction, iValue);
    refreshList(selected);
}

void TarqGunEditDialog::showSelectedRow()
{
    const int selected = m_list->currentRow();
    MoveDirection direction = MoveDirection::Down;
    int distance = 0;
    if (selected >= 0 && readMove(m_pattern.at(selected), direction, distance)) {
        chooseDirection(direction);
        m_distanceSlider->setValue(distance);
    }
    updateButtons();
}

void TarqGunEditDialog::insertRow(const MacroEvent& row)
{
    if (m_pattern.size() >= kMaxGunPatternRows)
        return;
    const int selected = m_list->currentRow();
    const int at = selected < 0 ? m_pattern.size() : selected + 1;
    m_pattern.insert(at, row);
    refreshList(at);
}

void TarqGunEditDialog::addMovement()
{
    insertRow(::moveEvent(direction(), distance()));
}

void TarqGunEditDialog::addDelay()
{
    if (m_delayEdit->hasAcceptableInput())
        insertRow(delayEvent(m_delayEdit->text().toInt(), m_unit));
}

void TarqGunEditDialog::deleteSelectedRow()
{
    const int selected = m_list->currentRow();
    if (selected < 0)
        return;
    m_pattern.removeAt(selected);
    refreshList(std::min(selected, m_pattern.size() - 1));
}

void TarqGunEditDialog::refreshList(int selectedRow)
{
    {
        const QSignalBlocker quiet(m_list);
        showRows(m_list, m_pattern, m_unit);
        m_list->setCurrentRow(selectedRow);
    }
    showSelectedRow();
}

void TarqGunEditDialog::updateButtons()
{
    const bool room = m_pattern.size() < kMaxGunPatternRows;
    m_addButton->setEnabled(room);
    m_addDelayButton->setEnabled(room && m_delayEdit->hasAcceptableInput());
    m_deleteButton->setEnabled(m_list->currentRow() >= 0);
}

bool TarqGunEditDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The list would take the key for its type-ahead search.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteSelectedRow();
        return true;
    }
    return TarqSkinDialog::eventFilter(watched, event);
}

void TarqGunEditDialog::accept()
{
    emit OnYesClick();
    TarqSkinDialog::accept();
}

TarqGunsetDialog::TarqGunsetDialog(QWidget* parent)
    : TarqSkinDialog(QLatin1String(Skin::GunDialog), QSize(kDialogWidth, kDialogHeight), parent)
    , m_unit(productMinDelay())
    , m_bulletImage(skinPath(QLatin1String(kBulletIcon)))
{
    setWindowModality(Qt::ApplicationModal);
    setTexts(tr("GUN SET"), tr("OK"), tr("Cancel"));
    buildControls();
    m_nameEdit->setFocus();
}

void TarqGunsetDialog::buildControls()
{
    const QRect content = contentRect();
    const int row = scaled(kRowHeight);
    const int listWidth = scaled(kSetListWidth);
    const int width = content.width() - listWidth - scaled(kColumnGap);
    const int left = content.left();
    const int step = std::min(row + scaled(kRowGap) * 2, (content.height() - row) / 4);
    auto rowTop = [&](int index) { return content.top() + index * step; };

    auto* nameCaption = makeCaption(this, tr("GUNFILE NAME"));
    auto* bulletCaption = makeCaption(this, tr("BULLETS"));
    auto* delayCaption = makeCaption(this, tr("DELAY(MS)"));
    const int captionWidth = fitCaptions({ nameCaption, bulletCaption, delayCaption }, width / 2);
    const int fieldLeft = left + captionWidth;
    const int fieldWidth = width - captionWidth;

    nameCaption->setGeometry(left, rowTop(0), captionWidth, row);
    m_nameEdit = new TarqLineEdit(this);
    m_nameEdit->setFont(dialogFont());
    m_nameEdit->setAccessibleName(tr("GUNFILE NAME"));
    m_nameEdit->setGeometry(fieldLeft, rowTop(0), fieldWidth, row);

    bulletCaption->setGeometry(left, rowTop(1), captionWidth, row);
    m_bulletSlider = makeSlider(this, kFirstBullets, maxGunBullets(0), kFirstBullets);
    m_bulletSlider->setAccessibleName(tr("BULLETS"));
    const int valueWidth = scaled(kValueWidth);
    m_bulletSlider->setGeometry(fieldLeft, rowTop(1), fieldWidth - valueWidth, row);
    m_bulletValue = makeCaption(this, QString());
    m_bulletValue->setAlignment(Qt::AlignCenter);
    m_bulletValue->setGeometry(fieldLeft + fieldWidth - valueWidth, rowTop(1), valueWidth, row);
    m_bulletIcons = new QLabel(this);
    m_bulletIcons->setAccessibleName(tr("BULLETS"));
    m_bulletIcons->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_bulletIcons->setGeometry(left, rowTop(2), width, row);
    connect(m_bulletSlider, &QSlider::valueChanged, this, &TarqGunsetDialog::showBullets);

    delayCaption->setGeometry(left, rowTop(3), captionWidth, row);
    m_delayEdit = makeNumberField(this, kFirstDelayMs, kMinGunDelayMs, kMaxGunDelayMs);
    m_delayEdit->setAccessibleName(tr("DELAY(MS)"));
    m_delayEdit->setGeometry(fieldLeft, rowTop(3), scaled(kNumberWidth), row);

    m_editButton = makeSkinnedButton(this, tr("GUN EDIT"));
    const int buttonWidth =
        std::max(width / 2, QFontMetrics(uiFont()).horizontalAdvance(m_editButton->text()) + scaled(kTextPadding) * 2);
    m_editButton->setGeometry(left, rowTop(4), std::min(buttonWidth, width), row);
    connect(m_editButton, &QPushButton::clicked, this, &TarqGunsetDialog::openEditDialog);

    m_list = makeRowList(this);
    m_list->setAccessibleName(tr("Pattern"));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setGeometry(content.right() + 1 - listWidth, content.top(), listWidth, content.height());

    showBullets(m_bulletSlider->value());
    setTabOrder(m_nameEdit, m_bulletSlider);
    setTabOrder(m_bulletSlider, m_delayEdit);
    setTabOrder(m_delayEdit, m_editButton);
    setTabOrder(m_editButton, m_list);
    setTabOrder(m_list, yesButton());
    setTabOrder(yesButton(), noButton());
}

int TarqGunsetDialog::bullets() const
{
    return m_bulletSlider->value();
}

void TarqGunsetDialog::setBullets(int bullets)
{
    m_bulletSlider->setValue(bullets);
}

int TarqGunsetDialog::delayMs() const
{
    return m_delayEdit->text().toInt();
}

bool TarqGunsetDialog::setPattern(const QVector<MacroEvent>& rows)
{
    if (maxGunBullets(rows.size()) < 1)
        return false;
    m_pattern = rows;
    // A longer pattern fits fewer bullets; the slider lowers the count to the new most.
    m_bulletSlider->setMaximum(maxGunBullets(rows.size()));
    TarqGunEditDialog::showRows(m_list, m_pattern, m_unit);
    return true;
}

void TarqGunsetDialog::openEditDialog()
{
    auto* editor = new TarqGunEditDialog(m_pattern, m_unit, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QDialog::accepted, this, [this, editor] { setPattern(editor->pattern()); });
    editor->open();
}

void TarqGunsetDialog::showBullets(int bullets)
{
    m_bulletValue->setText(QString::number(bullets));
    m_bulletIcons->setAccessibleDescription(QString::number(bullets));
    if (m_bulletImage.isNull())
        return;
    // Drawn once per change, so the icon row never loads or scales images while painting.
    const int step = std::min(scaled(kBulletIconSize + kBulletIconGap), m_bulletIcons->width() / maxGunBullets(0));
    const int iconSize = std::max(1, step - scaled(kBulletIconGap));
    const qreal ratio = devicePixelRatioF();
    QPixmap icons(QSize(m_bulletIcons->width(), m_bulletIcons->height()) * ratio);
    icons.setDevicePixelRatio(ratio);
    icons.fill(Qt::transparent);
    QPainter painter(&icons);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int top = (m_bulletIcons->height() - iconSize) / 2;
    for (int i = 0; i < bullets; ++i)
        painter.drawPixmap(QRect(i * step, top, iconSize, iconSize), m_bulletImage);
    painter.end();
    m_bulletIcons->setPixmap(icons);
}

const char* TarqGunsetDialog::refusal(const QString& name) const
{
    if (name.isEmpty())
        return kNoNameText;
    if (!isValidFileName(name))
        return macroResultMessage(MacroResult::InvalidName);
    if (macroListEntries().contains(name) || QFile::exists(macroFilePath(name)))
        return macroResultMessage(MacroResult::NameTaken);
    if (!m_delayEdit->hasAcceptableInput())
        return kDelayRangeText;
    if (countMacros() >= kMacroListSize)
        return kTooManyMacrosMessage;
    return nullptr;
}

QVector<MacroEvent> TarqGunsetDialog::gunEvents() const
{
    return gunPatternEvents(bullets(), delayMs(), m_pattern, m_unit);
}

const char* TarqGunsetDialog::save(const QString& name) const
{
    MacroFile file;
    file.defaultDelay = delayMs();
    file.delayType = 0;
    file.loopType = 1;
    file.loopTime = 1;
    file.events = gunEvents();
    // The name was free, so whatever a failure leaves under it is ours to take away.
    const MacroResult saved = saveMacro(name, file);
    if (saved != MacroResult::Ok) {
        QFile::remove(macroFilePath(name));
        return macroResultMessage(saved);
    }
    const MacroResult listed = addMacroToList(name);
    if (listed != MacroResult::Ok) {
        QFile::remove(macroFilePath(name));
        return macroResultMessage(listed);
    }
    return nullptr;
}

void TarqGunsetDialog::warn(const QString& text)
{
    auto* box = new TarqMessageBox(TarqMessageBox::Warning, QString(), QLatin1String(kWarningHeading), text, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
}

void TarqGunsetDialog::accept()
{
    const QString name = m_nameEdit->text().trimmed();
    const char* problem = refusal(name);
    // A pattern set from outside the edit dialog may hold presses of its own.
    const QString unfit = problem ? QString() : macroRefusal(gunEvents());
    if (!unfit.isEmpty()) {
        warn(unfit);
        return;
    }
    if (!problem)
        problem = save(name);
    if (problem) {
        warn(QLatin1String(problem));
        return;
    }
    m_savedName = name;
    emit OnYesClick();
    TarqSkinDialog::accept();
}
