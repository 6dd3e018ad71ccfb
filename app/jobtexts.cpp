#include "jobtexts.h"

#include <QObject>

namespace {

QString failureReason(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames)
{
    const bool partly = sent > 0 && sent < frames;
    switch (failure) {
    case Dispenser::LineLost:
        if (sent == 0)
            return QObject::tr("连接已断开，没有发送任何数据");
        return partly ? QObject::tr("连接已断开（已发送 %1/%2 帧）").arg(sent).arg(frames)
                      : QObject::tr("连接在设备应答之前断开");
    case Dispenser::Stalled:
        return QObject::tr("设备停止接收数据（已发送 %1/%2 帧），连接已关闭").arg(sent).arg(frames);
    case Dispenser::Cancelled:
        if (sent == 0)
            return QObject::tr("已停止，没有发送任何数据");
        return partly ? QObject::tr("已停止（已发送 %1/%2 帧）").arg(sent).arg(frames)
                      : QObject::tr("已停止，没有等到设备应答");
    case Dispenser::NotConfirmed:
        break;
    }
    switch (job) {
    case Dispenser::Download:
        return QObject::tr("设计已发送，但设备之后没有应答；设备可能没有保存它。");
    case Dispenser::Version:
        return QObject::tr("设备没有应答版本查询");
    default:
        return QObject::tr("已发送，但设备之后没有应答");
    }
}

} // namespace

QString jobName(Dispenser::Job job)
{
    switch (job) {
    case Dispenser::Download:
        return QObject::tr("下载设计");
    case Dispenser::TestPrint:
        return QObject::tr("测试打印");
    case Dispenser::Clock:
        return QObject::tr("设置时钟");
    case Dispenser::Settings:
        return QObject::tr("发送系统设置");
    case Dispenser::Version:
        return QObject::tr("查询版本");
    }
    return {};
}

QString jobQueuedText(Dispenser::Job job)
{
    return QObject::tr("%1：等待发送…").arg(jobName(job));
}

QString jobProgressText(Dispenser::Job job, int sent, int frames)
{
    return QObject::tr("%1：已发送 %2/%3 帧").arg(jobName(job)).arg(sent).arg(frames);
}

QString jobWaitingText(Dispenser::Job job)
{
    return QObject::tr("%1：等待设备应答…").arg(jobName(job));
}

QString jobConfirmedText(Dispenser::Job job)
{
    switch (job) {
    case Dispenser::Download:
        return QObject::tr("下载完成：设备已应答");
    case Dispenser::TestPrint:
        return QObject::tr("测试票已发送：设备已应答");
    case Dispenser::Clock:
        return QObject::tr("时钟已设置：设备已应答");
    case Dispenser::Settings:
        return QObject::tr("系统设置已发送：设备已应答");
    case Dispenser::Version:
        return QObject::tr("设备已应答版本查询");
    }
    return {};
}

QString jobFailedText(Dispenser::Job job, Dispenser::Failure failure, int sent, int frames)
{
    QString reason = failureReason(job, failure, sent, frames);
    if (sent > 0 && sent < frames && job == Dispenser::Download)
        reason = QObject::tr("%1。%2").arg(reason, incompleteDesignText());
    return jobRefusedText(job, reason);
}

QString jobRefusedText(Dispenser::Job job, const QString &why)
{
    return QObject::tr("%1失败：%2").arg(jobName(job), why);
}

QString incompleteDesignText()
{
    return QObject::tr("设备将保留不完整的设计，直到下一次完整下载。");
}
