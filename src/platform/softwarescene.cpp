#include "softwarescene.h"

#include "softwaregl.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

namespace {

QByteArray glRenderer()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface))
        return {};
    const auto *name = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QByteArray renderer(name ? name : "");
    context.doneCurrent();
    return renderer;
}

} // namespace

void chooseSceneForThisDesktop()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        return;
    if (isSoftwareGl(glRenderer()))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
