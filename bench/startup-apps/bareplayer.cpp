// The yardstick for the client's start-up: a bare Qt window with four web
// views on one off-the-record profile, the first playing an audio address at
// once. Nothing else: no service, no settings, no hidden pages.
#include <QApplication>
#include <QGridLayout>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_bareplayer AUDIO-URL\n");
        return 2;
    }
    const QUrl audio = QUrl::fromUserInput(QString::fromLocal8Bit(argv[1]));

    auto *profile = new QWebEngineProfile(&app);
    profile->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);

    QWidget window;
    auto *layout = new QGridLayout(&window);
    for (int i = 0; i < 4; ++i) {
        auto *view = new QWebEngineView(&window);
        view->setPage(new QWebEnginePage(profile, view));
        layout->addWidget(view, i / 2, i % 2);
        if (i == 0) {
            const QString html = QStringLiteral("<!doctype html><title>bare</title>"
                                                "<audio autoplay controls src=\"%1\"></audio>")
                                     .arg(audio.toString(QUrl::FullyEncoded));
            view->setHtml(html, audio);
        } else {
            view->setHtml(QStringLiteral("<!doctype html><title>view %1</title><p>view %1</p>").arg(i + 1));
        }
    }
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
