#pragma once

#include "bankform.h"

#include <string_view>

// The three boxes filled and «Расчет» clicked, as a user does it.
inline void computeLoan(BankForm &form, std::u16string_view amount, std::u16string_view rate,
                        std::u16string_view payment)
{
    form.Text1.setText(amount);
    form.Text2.setText(rate);
    form.Text3.setText(payment);
    form.click(form.Command2);
}
