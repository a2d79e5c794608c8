#pragma once

#include <QListWidgetItem>

// One editable row of the macro library; in batch mode it carries a check box. It keeps the
// macro's name apart from its text, so an edit of the text can be told from the name it renames.
class TarqListItem final : public QListWidgetItem
{
public:
    TarqListItem(const QString& name, bool batch);

    QString name() const;
    void setName(const QString& name);
    void setBatch(bool batch);
    bool isChecked() const;
};
