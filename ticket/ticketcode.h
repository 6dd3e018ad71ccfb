#pragma once

#include <QImage>
#include <QJsonObject>
#include <QString>

#include <optional>

// A machine-readable code on a ticket, as the operator set it up; its picture is made from
// these settings, so they are kept with the page and the code can be edited again.
enum class CodeSymbology
{
    Qr,
    Code128,
    Ean13,
    DataMatrix,
    Pdf417
};
constexpr int kCodeSymbologyCount = 5;

// QR error correction, from the least to the most damage it survives.
enum class QrLevel
{
    L,
    M,
    Q,
    H
};

struct TicketCode
{
    CodeSymbology symbology = CodeSymbology::Qr;
    QString content;
    int moduleDots = 4; // printer dots across one module (a bar's unit width)
    QrLevel qrLevel = QrLevel::M;
    bool humanReadable = false; // the content printed as text under the code
};

bool operator==(const TicketCode &a, const TicketCode &b);

// The smallest module a scanner still reads from paper printed at eight dots per millimetre,
// and the largest the dialog offers.
int minimumModuleDots(CodeSymbology symbology);
constexpr int kMaxModuleDots = 12;

// The code's picture: black modules on white, each module exactly moduleDots printer dots
// square (a linear code's bars as tall as the symbology asks), with the quiet zone the
// symbology needs; the readable line under it when asked for. A null image with `error`
// telling the operator why when the content cannot be made into this code or the code would
// not fit on the paper.
struct CodePicture
{
    QImage image;
    QString error;
};
CodePicture makeCodePicture(const TicketCode &code);

// A code's settings in a design file, and back; nullopt for an object that is not a code.
QJsonObject codeToJson(const TicketCode &code);
std::optional<TicketCode> codeFromJson(const QJsonObject &object);
