#pragma once

#include "contacts/ContactCard.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace brivane::contacts::widgets {

// The contact card of the Contacts tab: title, photo, the
// read-only fields, the birthday box, the address and the note with its
// link buttons. It shows a CardContent and forwards the user's
// requests; it reads nothing from the archive.
class ContactCardView : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kDesignedWidth = 430;

    explicit ContactCardView(QWidget* parent = nullptr);

    void setContent(const CardContent& content);
    const CardContent& content() const { return m_content; }
    void setCardColor(const QColor& color);

    QLabel* titleLabel() const { return m_title; }
    QLabel* photoLabel() const { return m_photo; }
    QWidget* birthdayBox() const { return m_birthdayBox; }
    QLabel* birthdayLabel() const { return m_birthdayLabel; }
    QPlainTextEdit* noteBox() const { return m_note; }
    QPlainTextEdit* addressBox() const { return m_address; }
    QToolButton* searchNameButton() const { return m_spy; }
    QToolButton* quickTaskButton() const { return m_quickTask; }
    QToolButton* closeButton() const { return m_close; }
    QToolButton* attachButton() const { return m_attach; }
    QToolButton* openLinkButton() const { return m_rocket; }
    QToolButton* autoOpenButton() const { return m_autoOpen; }
    QToolButton* zoomButton() const { return m_zoom; }
    QMenu* attachMenu() const { return m_attachMenu; }

    // The note area over almost the whole card ("-") or at its normal
    // height ("+").
    void setNoteExpanded(bool expanded);
    bool isNoteExpanded() const { return m_noteExpanded; }

    // Links selected in the note: after a mouse release the open
    // button follows the selection; a click in the list resets it.
    void updateLinkButton();
    void resetLinkButton();
    void openSelectedLink();

Q_SIGNALS:
    // A double click on the card that asks for Modify.
    void modifyRequested();
    // An entry of the attachment menu: 0, 1 or 2.
    void attachmentChosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QLineEdit* addField(const char* name);
    void prepareAttachMenu();

    CardContent m_content;
    QLabel* m_title;
    QToolButton* m_spy;
    QToolButton* m_quickTask;
    QToolButton* m_close;
    QWidget* m_upper;
    QLabel* m_photo;
    QLineEdit* m_company;
    QLineEdit* m_group;
    QLineEdit* m_phone;
    QLineEdit* m_mobile;
    QLineEdit* m_skype;
    QLineEdit* m_fax;
    QLineEdit* m_email;
    QLineEdit* m_web;
    QWidget* m_birthdayBox;
    QLabel* m_birthdayLabel;
    QPlainTextEdit* m_address;
    QPlainTextEdit* m_note;
    QToolButton* m_zoom;
    QToolButton* m_rocket;
    QToolButton* m_autoOpen;
    QToolButton* m_attach;
    QMenu* m_attachMenu;
    QList<QAction*> m_attachActions;
    QList<QWidget*> m_modifyParts;
    bool m_noteExpanded = false;
};

} // namespace brivane::contacts::widgets
