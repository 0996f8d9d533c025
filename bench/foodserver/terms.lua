-- wrk script: searches that rotate through common food names, as users type them.
local terms = { "rice", "cheese", "apple", "milk", "beef", "bread", "chicken", "potato", "butter",
                "yogurt", "tomato", "salmon", "bean", "egg", "orange", "pasta", "Cr%E8me", "soup" }
local i = 0

request = function()
  i = i + 1
  return wrk.format("GET", "/modules/swzoek.php?item=" .. terms[(i % #terms) + 1])
end
