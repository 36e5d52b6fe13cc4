#pragma once
// The foot of a net dialog's form: the button that goes on, the default, which calls go, and
// キャンセル, which leaves the dialog.

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace skyvane {

template <typename Dialog>
void addDialogButtons(Dialog& dialog, QFormLayout& form, const QString& goCaption, void (Dialog::*go)())
{
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(goCaption, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, go);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form.addRow(buttons);
}

} // namespace skyvane
