#pragma once
#include <functional>

class TObject;

// The event signature shared by the toolkit: the object that raised the event is the sender.
// Events are code, not stored data: streaming never reads or writes them.
using TNotifyEvent = std::function<void(TObject* Sender)>;
