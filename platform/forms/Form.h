// Windows that live the way the program's windows are used: created hidden
// on first reference with their load handler run, shown modal or modeless,
// hidden on OK so that their controls stay readable, and unloaded through a
// query (which may refuse) and an unload step before they are destroyed.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QPointer>
#include <functional>

namespace forms {

class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Run once right after creation, while the window is still hidden.
    virtual void Form_Load() {}
    // Closing: set cancel to keep the window open.
    virtual void Form_QueryUnload(bool& cancel) { Q_UNUSED(cancel); }
    virtual void Form_Unload(bool& cancel) { Q_UNUSED(cancel); }
    // Each time the window becomes the active window.
    virtual void Form_Activate() {}
    // A kept window about to be loaded again: back to what a new one has.
    virtual void Form_Reset() {}

    // Runs both closing steps and destroys the window unless one refused.
    // True when the window is gone.
    bool unload();
    bool isUnloaded() const { return unloaded_; }
    // As unload(), but a window that was never shown is only hidden and kept
    // for its reference's next get(), which resets it (Form_Reset) and loads
    // it again: building it anew costs more than putting it back.
    bool unloadKeeping();
    bool isKept() const { return kept_; }
    // A kept window loaded again: Form_Reset, then readers may reach it.
    void reuse();

    // Escape and the cancel button unload the window.
    void reject() override { unload(); }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    bool end(bool keep);

    bool unloading_ = false;
    bool unloaded_ = false;
    bool kept_ = false;
    bool everShown_ = false;
};

// Unloading the last shown window ends the program, as closing it would.
// Tests put their own handler in place of ending it; empty restores that.
void setLastWindowHandler(std::function<void()> handler);

// Anything the main window can unload on its way out.
class Unloadable {
public:
    virtual ~Unloadable() = default;
    virtual bool isLoaded() const = 0;
    // True when the window is gone (or was never loaded).
    virtual bool unload() = 0;
};

// Lazy reference to a window: the first get() creates it hidden and runs its
// load handler; after an unload the next get() makes a fresh one.
template <typename T>
class FormRef : public Unloadable {
public:
    using Factory = std::function<T*()>;
    explicit FormRef(Factory make = [] { return new T(); }) : make_(std::move(make)) {}
    ~FormRef() override
    {
        if (QCoreApplication::instance())
            dropKept();
    }
    FormRef(const FormRef&) = delete;
    FormRef& operator=(const FormRef&) = delete;

    T* get()
    {
        if (!isLoaded()) {
            if (w_ && w_->isKept()) {
                w_->reuse();
            } else {
                w_ = make_();
                w_->setAttribute(Qt::WA_DeleteOnClose, false);
            }
            w_->Form_Load();
        }
        return w_;
    }
    T* operator->() { return get(); }
    bool isLoaded() const override { return w_ && !w_->isUnloaded(); }
    // The window if loaded, without creating it.
    T* peek() const { return isLoaded() ? w_.data() : nullptr; }
    // A kept window goes for good too.
    bool unload() override
    {
        dropKept();
        return !isLoaded() || w_->unload();
    }
    // Unloads the window, keeping it for the next get() when it was never shown.
    bool unloadKeeping() { return !isLoaded() || w_->unloadKeeping(); }

    int showModal(QWidget* owner = nullptr)
    {
        T* w = get();
        if (owner && w->parentWidget() != owner)
            w->setParent(owner, w->windowFlags() | Qt::Dialog);
        return w->exec();
    }
    void showModeless()
    {
        T* w = get();
        w->show();
        w->raise();
        w->activateWindow();
    }

private:
    void dropKept()
    {
        if (w_ && w_->isKept())
            delete w_.data();
    }

    Factory make_;
    QPointer<T> w_;
};

} // namespace forms
