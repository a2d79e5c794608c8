// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/labels_menus.h"
#include "controls/text_fit.h"

// The window's narrow field for the profile name. While it is not being edited a name too long
// for it is drawn smaller and, past the limit, elided, with the whole name as its tooltip; editing
// shows the name as a line edit does, scrolling. The name itself (text()) is never shortened.
class TarqNameField final : public TarqLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY(TarqNameField)

public:
    explicit TarqNameField(QWidget* parent = nullptr);

    // The name as drawn while the field is not being edited.
    FittedText shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};
