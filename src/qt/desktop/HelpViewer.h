#pragma once

#include <QObject>
#include <QString>
#include <chrono>

// Hands a page to the desktop's viewer, xdg-open, and never waits for it: the viewer may take
// its time, and with no browser behind it, it answers only by how it ends. A viewer that cannot
// be started, or that ends in failure while it is still handing the page over, is reported by
// Failed, so that the player can be given the page's path instead.
class HelpViewer : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* Program = "xdg-open";
    // Beyond this, the viewer had the page: some run the browser themselves and end only with
    // it, with whatever status it ends with, long after the page was shown.
    static constexpr std::chrono::milliseconds HandOverTime{10000};

    explicit HelpViewer(std::chrono::milliseconds handOverTime = HandOverTime);
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;
    // Ends a viewer still running (one that runs the browser itself lasts as long as the
    // browser) without the warning Qt prints for a process destroyed while it runs. A browser
    // it started stays.
    ~HelpViewer() override;

    void Open(const QString& path);

  signals:
    void Failed(const QString& path);

  private:
    const std::chrono::milliseconds handOverTime_;
};
