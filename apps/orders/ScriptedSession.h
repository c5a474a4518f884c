#pragma once

#include <QString>

namespace orx::orders {

class OrderForm;

// Plays a session on the form as a user would, through real key presses and
// clicks: three orders typed, picked and saved, a refused value and a refused
// order, an order opened from the list, the invoice and the monthly sales in
// the preview window, the invoice exported to PDF, a save against a locked
// database (refused, nothing lost) and the same save once the lock is gone.
// Writes a PNG of each step, the PDF and transcript.txt into `out`, and the
// transcript to standard output too. Returns whether every step did what it
// should.
bool runScriptedSession(OrderForm& form, const QString& out);

}  // namespace orx::orders
