#include "modalanswer.h"

#include <QTimer>

void answerWhenShown(QObject *owner, std::function<bool()> handler)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handler] {
        if (handler()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
