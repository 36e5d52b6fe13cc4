#include "HostDialog.h"

#include "DialogButtons.h"

#include "NetStart.h"
#include "net/JoinCode.h"
#include "platform/FreshSeed.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace skyvane {

namespace {

QLabel* named(QLabel* label, const QString& name)
{
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

HostDialog::HostDialog(std::string version)
    : port_(new QSpinBox(this)), problem_(new QLabel(this)), code_(net::makeJoinCode(freshSeed())),
      version_(std::move(version))
{
    setWindowTitle(QStringLiteral("ホストになる"));
    port_->setObjectName(QStringLiteral("ポート"));
    port_->setRange(1, 65535);
    port_->setValue(net::Session::kDefaultPort);
    QStringList addresses;
    for (const std::string& address : addressesToGive())
        addresses << QString::fromStdString(address);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("ポート（UDP）"), port_);
    form->addRow(QStringLiteral("参加コード"),
                 named(new QLabel(QString::fromStdString(net::toString(code_)), this), QStringLiteral("参加コード")));
    form->addRow(QStringLiteral("このマシンのアドレス"),
                 named(new QLabel(addresses.join(QLatin1Char('\n')), this), QStringLiteral("アドレス")));
    form->addRow(new QLabel(QStringLiteral("相手にアドレスと参加コードを伝えてください。"), this));
    problem_->setObjectName(QStringLiteral("問題"));
    problem_->hide();
    form->addRow(problem_);
    addDialogButtons(*this, *form, QStringLiteral("開始"), &HostDialog::begin);
}

// A port another program has keeps the dialog open, saying so.
void HostDialog::begin()
{
    const auto port = static_cast<std::uint16_t>(port_->value());
    session_ = openHost(port, code_, version_);
    if (!session_) {
        problem_->setText(QStringLiteral("UDPポート %1 はほかのプログラムが使っています。").arg(port));
        problem_->show();
        return;
    }
    accept();
}

} // namespace skyvane
