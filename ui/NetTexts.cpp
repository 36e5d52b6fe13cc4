#include "NetTexts.h"

namespace skyvane {

namespace {

QString other(const NetStatus& status)
{
    return status.side == net::Session::Side::Host ? QStringLiteral("2P") : QStringLiteral("1P");
}

} // namespace

QString reasonText(net::EndReason reason)
{
    switch (reason) {
    case net::EndReason::Silent: return QStringLiteral("相手から応答がなくなりました");
    case net::EndReason::Left: return QStringLiteral("相手が退出しました");
    case net::EndReason::Full: return QStringLiteral("そのゲームはすでに2人です");
    case net::EndReason::WrongCode: return QStringLiteral("参加コードが違います");
    case net::EndReason::OtherVersion: return QStringLiteral("ゲームのバージョンが違います");
    case net::EndReason::OtherProtocol: return QStringLiteral("相手はこのゲームの通信方式を使っていません");
    case net::EndReason::BadPackets: return QStringLiteral("相手から読めないデータが届き続けました");
    case net::EndReason::GamesDiffer: return QStringLiteral("2台のゲームの状態が食い違いました");
    case net::EndReason::NoHello: return QStringLiteral("参加したマシンが名乗りませんでした");
    case net::EndReason::NoAnswer: return QStringLiteral("ホストから応答がありません");
    }
    return QStringLiteral("ネット対戦が終わりました");
}

QString netStatusText(const NetStatus& status)
{
    if (status.connected && status.otherWaits)
        return QStringLiteral("%1がこちらを待っています").arg(other(status));
    if (status.connected)
        return QStringLiteral("%1と対戦中（往復 %2 ms）").arg(other(status)).arg(status.roundTripMs);
    if (status.side == net::Session::Side::Joiner)
        return QStringLiteral("ホストに参加しています…");
    if (status.lastEnd)
        return QStringLiteral("%1。2P待ち（コード %2）").arg(reasonText(*status.lastEnd), status.code);
    return QStringLiteral("2P待ち（ポート %1、コード %2）").arg(status.port).arg(status.code);
}

QString netEndedText(const NetStatus& status)
{
    const QString reason = reasonText(status.lastEnd.value_or(net::EndReason::Left));
    return status.everConnected ? QStringLiteral("ネット対戦が終わりました: %1").arg(reason)
                                : QStringLiteral("参加できませんでした: %1").arg(reason);
}

} // namespace skyvane
