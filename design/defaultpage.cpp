#include "defaultpage.h"

#include <QCoreApplication>

namespace {

// The sample ticket every new page starts with, translated as the window's form was.
const char *const kDefaultPage = QT_TRANSLATE_NOOP(
    "TicketStationClass",
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" \"http://www.w3.org/TR/REC-html40/strict.dtd\">\n"
    "<html>"
    "<head>"
    "<meta name=\"qrichtext\" content=\"1\" />"
    "<style type=\"text/css\">\n"
    "p, li { white-space: pre-wrap; }\n"
    "</style>"
    "</head>"
    "<body style=\" font-family:'Microsoft YaHei'; font-size:9pt; font-weight:400; font-style:normal;\">\n"
    "<p align=\"center\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">"
    "<span style=\" font-family:'华文彩云'; font-size:26pt;\">小票8打印测试</span>"
    "</p>\n"
    "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;\">"
    "<span style=\" font-size:10pt; font-weight:600;\">1.相关介绍：V2.0.x版本测试，目前版本支持只能下载6个类型最大尺寸16cm，如需导入图片请先处理成黑白后导入；</span>"
    "</p>\n"
    "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;\">"
    "<span style=\" font-size:10pt; font-weight:600;\">2.功能介绍：第一排：除最后一个按钮为小票内容下载按钮其余均为排版功能；第二排：时间、号码、排队人数标记按钮，注意每个标记仅允许标记一次，最后一个为当前小票打印测试按钮。</span>"
    "</p>\n"
    "<p align=\"center\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;\">"
    "<span style=\" font-family:'华文隶书'; font-size:26pt;\">号码：</span>"
    "<span style=\" font-size:18pt; background-color:#e1ddfa;\">0001</span>"
    "<span style=\" font-size:18pt;\"> </span>"
    "</p>\n"
    "<p align=\"center\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;\">"
    "<span style=\" font-family:'华文中宋'; font-size:14pt;\">剩余人数：</span>"
    "<span style=\" font-size:14pt; background-color:#fac3c3;\">02</span> </p>\n"
    "<p align=\"center\" style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance;\">"
    "<span style=\" font-size:14pt; background-color:#fadbc0;\">02-02-2022 22:22:22</span>"
    "</p>\n"
    "<p style=\"-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; line-height:10; -qt-line-height-type: line-distance; font-family:'SimSun';\">"
    "<br />"
    "</p>"
    "</body>"
    "</html>");

} // namespace

QString defaultPageHtml()
{
    return QCoreApplication::translate("TicketStationClass", kDefaultPage);
}
