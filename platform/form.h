// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <optional>

class QCloseEvent;
class QFrame;

// A designed top-level window: a fixed-size tool window without a task-bar
// entry, sized and placed in twips, with the load and unload lifecycle the
// program's windows share.
//
// A window is created by its owner (see FormSlot) the first time anything
// reaches it; the owner then runs load(). unload() runs the window's own
// unload handler, hides it and destroys it; the next use creates a fresh
// copy in its designed state.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const QString &caption, int clientWidthTwips, int clientHeightTwips);
    ~Form() override;

    // Makes this the program's main window. On a Wayland compositor (through
    // XWayland) it is then an ordinary window and the others are dialogs:
    // the compositor gives the keyboard to no tool window. A dialog stays
    // unowned there, as everywhere, so that the compositor opens it where
    // the program asks, as it does with any window it maps.
    void becomeMainWindow();

    // Runs the window's load handler once, right after construction.
    void load();
    void unload();
    bool isUnloading() const { return m_unloading; }

    // Shows the window modeless and without an owner, and brings it forward.
    void showModeless();
    // The first show of a window placed by its outer corner keeps it there
    // through the resizes that follow at once (see placeBeforeFraming).
    void setVisible(bool visible) override;

    // Outer geometry in twips (frame included, as designed). The height
    // reads back as it was last set (a single-precision number, at least
    // the frame and one pixel), not from the window's pixel height, so that
    // steps smaller than a pixel add up instead of being rounded away one
    // by one.
    double outerHeightTwips() const;
    void setOuterHeightTwips(double h);
    double leftTwips() const;
    double topTwips() const;
    void setLeftTwips(double left);
    void setTopTwips(double top);
    // Places the client area's top-left corner on the screen: the window's
    // designed place, where it opens when it fits (see openOnHomeScreen).
    void placeClientTwips(double left, double top);
    // The window whose screen a dialog opens on: the main window.
    void setHomeWindow(const QWidget *home) { m_home = home; }
    // Runs once the screens have settled after one came, went or changed:
    // a shown window left with too little in view moves into view.
    virtual void keepOnScreen();

    // Places a control at a designed rectangle (twips) within its parent.
    // Where a text would not fit (a longer language, a wider face or style)
    // the window and its controls are widened together when it first shows,
    // and in a language written right to left they are mirrored: see layOut.
    static void place(QWidget *control, int left, int top, int width, int height);
    // How much wider than designed the window is, so that every text fits.
    double stretch() const { return m_stretch; }

    // The face of the designed dialogs' captions: a sans-serif of 8 points
    // with the widths the designed control sizes were made for. The
    // platform's default face is wider and would cut the captions short.
    static QFont dialogFont();
    // Gives the window dialogFont() when it first shows: a dialog loaded
    // hidden at start-up does not load the face for nothing.
    void useDialogFont() { m_dialogFace = true; }
    // The note's face: the platform's sans-serif at 9.75 points.
    static QFont noteFont();
    // A picture of the program's own, drawn for a screen of `ratio` device
    // pixels to a pixel: above 1 from "<name>@2x.png" beside it, where there
    // is one. Each is read by the decoder its suffix names; Qt would
    // otherwise load every image plugin to ask each whether it reads the
    // format, and keep them mapped for good.
    static QPixmap picture(const QString &path, qreal ratio = 1);
    // A straight line across a dialog, from (x1, y) to (x2, y), in twips.
    static QFrame *addLine(QWidget *parent, int x1, int y, int x2);

    // What screen readers are told the window is: a dialog, unless the
    // window says otherwise.
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }

signals:
    // The window has been unloaded; it is still alive and is deleted soon.
    void unloaded();

protected:
    virtual void onLoad() {}
    virtual void onUnload() {}
    // Runs once, right before the window first shows, with its texts and
    // face in place: every control goes to its designed rectangle, the whole
    // widened alike as far as its widest text needs, and mirrored when the
    // texts run right to left (unless keepsDesign() says otherwise).
    virtual void layOut();
    // A window whose picture keeps its drawn place in every language.
    void keepDesignedLayout() { m_keepsDesign = true; }

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Escape is the dialogs' close box; Return presses a focused button.
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void setAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }

private:
    void placeBeforeFraming(QPoint corner);
    void openOnHomeScreen();
    void keepPlaceWhileFraming(QSize size);

    bool m_loaded = false;
    bool m_unloading = false;
    bool m_dialogFace = false; // to be given at the first show
    bool m_laidOut = false;
    bool m_keepsDesign = false;
    double m_stretch = 1;
    QAccessible::Role m_accessibleRole = QAccessible::Dialog;
    // The outer height last set, in twips, finer than the pixels it maps to.
    float m_outerHeightTwips = -1;
    // The outer corner last asked for, until the window is next shown.
    std::optional<QPoint> m_placement;
    // Where the client area opens, as designed, and the window whose
    // screen it opens on.
    std::optional<QPoint> m_designedClient;
    QPointer<const QWidget> m_home;
    // The client area's place given before the window manager framed the
    // window, until it has.
    std::optional<QPoint> m_framingPlace;
    // The frame the window manager said it would draw, until the window has
    // heard of the frame itself.
    mutable std::optional<QMargins> m_expectedFrame;
    QPoint outerCorner() const;
};
