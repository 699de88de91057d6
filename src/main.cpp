#include "window/application.h"
#include "window/ends_with_window.h"
#include "window/form1.h"

int main(int argc, char* argv[]) {
    if (const auto status = hc::AnswerCommandLine(argc, argv))
        return *status;
    const auto app = hc::StartApplication(argc, argv);
    hc::Form1 form;
    form.show();
    const hc::EndsWithWindow endsWithWindow(form);
    return QApplication::exec();
}
