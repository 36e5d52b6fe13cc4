#include "JoinDialog.h"

#include "DialogButtons.h"

#include "net/JoinCode.h"
#include "net/Session.h"

#include <QDateTime>

#include <algorithm>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace skyvane {

namespace {
constexpr int kListenMs = 50;
} // namespace

JoinDialog::JoinDialog()
    : found_(new QListWidget(this)), where_(new QLineEdit(this)), codeText_(new QLineEdit(this)),
      problem_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("参加する"));
    found_->setObjectName(QStringLiteral("見つかったゲーム"));
    where_->setObjectName(QStringLiteral("アドレス"));
    where_->setPlaceholderText(QStringLiteral("192.168.1.5 または 192.168.1.5:%1").arg(net::Session::kDefaultPort));
    codeText_->setObjectName(QStringLiteral("参加コード"));
    codeText_->setMaxLength(static_cast<int>(net::kJoinCodeLength));
    problem_->setObjectName(QStringLiteral("問題"));
    problem_->hide();
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QStringLiteral("このネットワークで見つかったゲーム"), this));
    form->addRow(found_);
    form->addRow(QStringLiteral("アドレス"), where_);
    form->addRow(QStringLiteral("参加コード"), codeText_);
    form->addRow(problem_);
    addDialogButtons(*this, *form, QStringLiteral("参加"), &JoinDialog::join);
    connect(found_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr)
            where_->setText(item->data(Qt::UserRole).toString());
    });
    connect(found_, &QListWidget::itemActivated, this, [this] { codeText_->setFocus(); });
    connect(&asking_, &QTimer::timeout, this, &JoinDialog::askAround);
    connect(&listening_, &QTimer::timeout, this, &JoinDialog::listAnswers);
    asking_.start(kAskMs);
    listening_.start(kListenMs);
    askAround();
}

void JoinDialog::askAround() { finder_.ask(net::Session::kDefaultPort); }

// The list follows what answers: a game heard again is brought up to date, one no longer heard
// goes, and the one chosen stays chosen.
void JoinDialog::listAnswers()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (net::FoundGame& game : finder_.collect()) {
        const QString where = QStringLiteral("%1:%2").arg(QString::fromStdString(game.address)).arg(game.port);
        heard_[where] = Heard{std::move(game), now};
    }
    std::erase_if(heard_, [now](const auto& entry) { return now - entry.second.when > kForgetMs; });
    // This machine's own host answers both on loopback and on its network: the latter is listed.
    QStringList alsoOnTheNetwork;
    for (const auto& [where, entry] : heard_) {
        const net::FoundGame& game = entry.game;
        if (game.address == "127.0.0.1" && std::any_of(heard_.begin(), heard_.end(), [&](const auto& other) {
                return other.second.game.address != game.address && other.second.game.port == game.port &&
                       other.second.game.answer.name == game.answer.name;
            }))
            alsoOnTheNetwork << where;
    }
    for (const QString& where : alsoOnTheNetwork)
        heard_.erase(where);
    const QString chosen = found_->currentItem() != nullptr ? found_->currentItem()->data(Qt::UserRole).toString() : QString();
    QStringList shown;
    for (const auto& [where, entry] : heard_)
        shown << QStringLiteral("%1 — %2（%3）")
                     .arg(QString::fromStdString(entry.game.answer.name), where,
                          entry.game.answer.room ? QStringLiteral("空きあり") : QStringLiteral("満員"));
    QStringList listed;
    for (int row = 0; row < found_->count(); ++row)
        listed << found_->item(row)->text();
    if (shown == listed)
        return;
    const QSignalBlocker quiet(found_);
    found_->clear();
    for (const auto& [where, entry] : heard_) {
        auto* item = new QListWidgetItem(shown.at(found_->count()), found_);
        item->setData(Qt::UserRole, where);
        if (where == chosen)
            found_->setCurrentItem(item);
    }
}

// An address or code that cannot be keeps the dialog open, saying which.
void JoinDialog::join()
{
    const std::optional<net::NetAddress> address =
        net::readNetAddress(where_->text().trimmed().toStdString(), net::Session::kDefaultPort);
    const std::optional<net::JoinCode> code = net::readJoinCode(codeText_->text().trimmed().toStdString());
    if (!address || !code) {
        problem_->setText(!address ? QStringLiteral("アドレスを選ぶか入力してください。")
                                   : QStringLiteral("ホストが示す4文字の参加コードを入力してください。"));
        problem_->show();
        return;
    }
    address_ = *address;
    code_ = *code;
    accept();
}

} // namespace skyvane
