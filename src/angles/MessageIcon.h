#pragma once

// The icon of a message box: the operations choose it, the message boxes show it.
enum class MessageIcon { None, Information, Exclamation };
