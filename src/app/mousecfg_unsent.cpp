// SPDX-License-Identifier: GPL-3.0-or-later
// The window's unsent edits: marked in the title, and settled with the user before anything
// replaces what the pages show.
#include "app/mousecfg_widget.h"
#include "controls/labels_menus.h"
#include "controls/message_box.h"
#include "log_categories.h"
#include "pages/tarq_page.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

const char kSendFirstQuestion[] = QT_TRANSLATE_NOOP("TarqMessageBox", "Send the changes to the mouse first?");
const char kSendAnswer[] = QT_TRANSLATE_NOOP("TarqMessageBox", "Send");
const char kDiscardAnswer[] = QT_TRANSLATE_NOOP("TarqMessageBox", "Discard");
const char kCancelAnswer[] = QT_TRANSLATE_NOOP("TarqMessageBox", "Cancel");

// Put before the product name in the title while edits wait.
const QString kUnsentMark = QStringLiteral("\u2022 ");

} // namespace

bool MousecfgWidget::hasUnsentEdits() const
{
    return compareConfigurations(m_configuration.working, m_configuration.lastUploaded) != ChangeFlag::None;
}

void MousecfgWidget::settleUnsentEdits(std::function<void()> proceed)
{
    if (m_sendThread || m_unsentQuestionOpen)
        return;
    if (!hasUnsentEdits()) {
        proceed();
        return;
    }
    auto* box = new TarqMessageBox(TarqMessageBox::Choice, QString(), QStringLiteral("Warning"),
                                   QString::fromLatin1(kSendFirstQuestion), this);
    box->setChoiceTexts(kSendAnswer, kDiscardAnswer, kCancelAnswer);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    m_unsentQuestionOpen = true;
    connect(box, &QDialog::finished, this, [this, proceed = std::move(proceed)](int answer) {
        m_unsentQuestionOpen = false;
        if (answer == QDialog::Accepted) {
            // Only what reached the mouse lets the command go on; a failure was shown already.
            sendWithProgress(false, [proceed](int result) {
                if (result == 0)
                    proceed();
            });
        } else if (answer == TarqMessageBox::AlternativeChosen) {
            discardUnsentEdits();
            proceed();
        }
    });
    box->open();
}

void MousecfgWidget::discardUnsentEdits()
{
    qCDebug(lcUi, "unsent edits discarded");
    noteForUser(m_library.discardEdits(m_configuration.lastUploaded));
    m_nameEdit->setText(m_library.currentName());
    RebuildProfileMenu();
    RefreshPages();
    markUnsentEdits();
}

void MousecfgWidget::markUnsentEdits()
{
    m_unsentCheckQueued = false;
    const bool unsent = hasUnsentEdits();
    QString title = windowTitle();
    if (title.startsWith(kUnsentMark))
        title.remove(0, kUnsentMark.size());
    if (unsent)
        title.prepend(kUnsentMark);
    if (title != windowTitle())
        setWindowTitle(title);
    // Every edit, send and slot change passes here.
    emit mouseStateChanged();
}

void MousecfgWidget::queueUnsentCheck(const QEvent* event)
{
    // Every edit ends with a click, a key or a wheel turn on a page: the mark follows them, and
    // one check after the event serves a burst of them.
    const QEvent::Type type = event->type();
    if (m_unsentCheckQueued ||
        (type != QEvent::MouseButtonRelease && type != QEvent::KeyRelease && type != QEvent::Wheel))
        return;
    m_unsentCheckQueued = true;
    QTimer::singleShot(0, this, &MousecfgWidget::markUnsentEdits);
}
