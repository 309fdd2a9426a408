#pragma once
// The icon of a message box that a rule of the core asks the shell to show.

enum class MessageIcon { None, Stop, Exclamation, Question, Information };
