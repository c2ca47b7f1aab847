#pragma once

#include <QDialog>

struct Deployment;

// The About window: product, version and maker.
class TFrm_About final : public QDialog
{
    Q_OBJECT
public:
    explicit TFrm_About(const Deployment &deployment, QWidget *parent = nullptr);
};
