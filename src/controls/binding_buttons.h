#pragma once
void DrawBindingButtons();
