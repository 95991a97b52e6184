#include "FakePlatform.h"

#include <stdexcept>

namespace kuvel::test {

using enum Control;

FakePlatform::FakePlatform() = default;

Window& FakePlatform::Form2()
{
    if (!form2)
        form2 = FakeWindow::form2();
    return *form2;
}

void FakePlatform::message(std::string_view text)
{
    std::string dice;
    for (int i = 0; i < 6; ++i)
        dice += form1.caption(dieLabel(i));
    messages.push_back({std::string(text),
                        {form1.caption(T1), form1.caption(T2), form1.caption(T3), form1.text(Text4),
                         form1.text(Text5), dice}});
    if (onMessage)
        onMessage(messages.back());
}

float FakePlatform::rnd()
{
    if (values_.empty())
        throw std::logic_error("the test drew more random values than it queued");
    const float value = values_.front();
    values_.pop_front();
    return value;
}

void FakePlatform::queueFaces(std::initializer_list<int> faces)
{
    queueFaces(std::vector<int>(faces));
}

void FakePlatform::queueFaces(const std::vector<int>& faces)
{
    // The middle of the face's sixth of [0, 1).
    for (int face : faces)
        values_.push_back((static_cast<float>(face) - 0.5f) / 6.0f);
}

void FakePlatform::queueValues(std::initializer_list<float> values)
{
    values_.insert(values_.end(), values);
}

std::vector<std::string> FakePlatform::messageTexts() const
{
    std::vector<std::string> texts;
    for (const Message& m : messages)
        texts.push_back(m.text);
    return texts;
}

Module1 startValues()
{
    return {100, 0, 50, 0, 0, 0, 0};
}

}  // namespace kuvel::test
