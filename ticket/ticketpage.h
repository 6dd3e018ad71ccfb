#pragma once

#include "papergeometry.h"
#include "ticketcode.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>

class QTextCursor;
class QTextDocument;

// One ticket page: the rich text with its pictures and placeholder blocks, the ticket type it
// prints for and how tall it may be. It is laid out at the paper's text width whether or not
// an editor shows it, so a page gives the same dots with or without a window.
class TicketPage
{
public:
    explicit TicketPage(int typeIndex = 0, int maxHeight = kDefaultPageHeight);
    ~TicketPage();
    TicketPage(const TicketPage &) = delete;
    TicketPage &operator=(const TicketPage &) = delete;

    QTextDocument *document() const { return m_document.get(); }

    // Registers `image` under `name`, so image references in the text resolve to it.
    void addImageResource(const QImage &image, const QString &name);
    QImage picture(const QString &name) const;

    // Registers `picture` under a fresh name and puts it at `cursor` in place of its selection,
    // at its own size; returns the name.
    QString insertPicture(QTextCursor &cursor, const QImage &picture);
    // The same for `code`'s picture, keeping the settings it was made from under its name.
    void insertCode(QTextCursor &cursor, const TicketCode &code, const QImage &picture);
    // The settings of the code whose picture is `name`, or null for any other picture.
    const TicketCode *code(const QString &name) const;

    // The pictures, and the settings of the codes among them, that the text `selection` holds
    // refers to: what a copy of that text needs to show them in another page.
    QByteArray picturesIn(const QTextCursor &selection) const;
    // Registers the pictures and code settings of `bytes` (from picturesIn) that this page lacks,
    // so pasted references to them resolve and are saved with the page. Unreadable parts are
    // left out.
    void takePictures(const QByteArray &bytes);

    // Text drawn without anti-aliasing, so glyph edges fall on whole dots instead of grey
    // pixels that the printer would make black; bold keeps its weight (see font()).
    void setSharpText(bool sharp);
    bool sharpText() const { return m_sharpText; }
    // The font of text that names none of its own, as this page draws it.
    QFont font() const;

    // Replaces the content, as the editor's setHtml does, then gives every paragraph without a
    // line height of its own the default one.
    void setHtml(const QString &html);
    void applyDefaultLineHeight();

    // Whether laid-out content reaches below the page height, where nothing prints.
    bool isCut() const;

    // The page under "type_<typeIndex>_html": its HTML, its pictures as base64 BMP, the
    // settings of the codes among them, its name, and the keys of the page this program does
    // not know, as they were read.
    void saveToJson(QJsonObject &config) const;
    // Takes the page from `config`; a page the object lacks is left empty.
    void loadFromJson(const QJsonObject &config);

    int typeIndex = 0;
    int maxHeight = kDefaultPageHeight;
    // The operator's name for the ticket type; empty: the type's number names it.
    QString name;
    QList<QString> imageNames;

private:
    std::unique_ptr<QTextDocument> m_document;
    QHash<QString, TicketCode> m_codes;
    QJsonObject m_otherKeys;
    bool m_sharpText = false;
};

// Line height a paragraph gets when it has none of its own, in dots between lines.
constexpr int kDefaultLineHeight = 10;

// Gives every paragraph of `document` without a line height of its own the default one, in one
// undo step; paragraphs with their own keep it.
void applyDefaultLineHeight(QTextDocument *document);

// The size of page text that names none, as new designs' pages say it.
constexpr int kPageTextPointSize = 9;
// The font of page text that names none of its own.
QFont pageFont();

// Puts the picture the document knows as `name` at `cursor` in place of its selection.
void insertPictureAt(QTextCursor &cursor, const QString &name, const QSize &size);

// Whether a picture whose header gives `size` may be read into a page at all.
bool isAcceptablePictureSize(const QSize &size);

// Clipboard format of picturesIn().
constexpr const char *kPagePicturesMime = "application/x-ticketstation-pictures";

// The JSON key a page is stored under.
QString pageKey(int typeIndex);
