// The Help menu: the help file's contents and its Getting Started topic, and the About box.

#include "app/commands.h"
#include "dialogs/file/about_dialog.h"
#include "model/help_topics.h"
#include "shell/help.h"
#include "shell/program.h"

void OnHelpContents() { ShowHelpContents(App.frame); }

void OnGettingStarted() { ShowHelpTopic(App.frame, kHelpGettingStarted); }

void OnAbout() { ShowAboutDialog(App.frame); }
