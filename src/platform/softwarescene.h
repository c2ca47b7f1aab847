#pragma once

// Where OpenGL itself draws on the CPU, the web views are composed without
// it: through OpenGL every frame a page shows had the CPU draw the whole
// window again, ten times the work of composing in software. Call once the
// application exists, before the first web view; a scene graph chosen
// through the environment is kept.
void chooseSceneForThisDesktop();
