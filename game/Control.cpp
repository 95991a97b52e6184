#include "Control.h"

#include <array>

namespace kuvel {

std::string_view controlName(Control c)
{
    static constexpr std::array<std::string_view, ControlCount> names = {
        "Label1", "Label2", "Label3", "Label4", "Label5", "Label6",
        "Label7", "Label8", "Label9", "Label10", "Label11",
        "Label12", "Label13", "Label14", "Label15",
        "Label16", "Label17", "Label18", "Label19", "Label20",
        "Label21", "Label22",
        "T1", "T2", "T3",
        "Text1", "Text2", "Text4", "Text5",
        "Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7", "Option8",
        "Command1", "Command2",
    };
    return names[index(c)];
}

}  // namespace kuvel
